#pragma once

#include "filters/WFilter.h"
#include "qvas_export.h"

class SingleLineTextEdit;

// Filters a text property by a pattern list typed on one line, with the
// completion strings of the property offered for the pattern under the
// cursor. The typed text is reported for dependent completions when the
// field loses the focus.
class QVAS_EXPORT StringPatternEditor : public WFilter
{
    Q_OBJECT
public:
    StringPatternEditor(const WildcardConfig& config, const QString& columnId, Constants::ValueSource source,
                        QWidget* parent);
    ~StringPatternEditor() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    QSharedPointer<ValueFilter> getFilter(bool matchCase) override;
    bool setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg) override;
    void setMatchCase(bool matchCase) override;
    void setCompletionStrings(const QStringList& completions) override;

private slots:
    void filterDocChanged();

private:
    SingleLineTextEdit* m_textEdit;
};
