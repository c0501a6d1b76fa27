#pragma once

#include "filters/WFilter.h"
#include "qvas_export.h"

class QVBoxLayout;
class StringPatternTextEdit;

// Filters a text property by a pattern list in a compact text area. When
// the text no longer fits, a popup of the same width opens over it and
// shows the same document at its full height, up to a maximum size.
class QVAS_EXPORT ExpandingStringPatternEdit : public WFilter
{
    Q_OBJECT
public:
    ExpandingStringPatternEdit(const WildcardConfig& config, const QString& columnId, Constants::ValueSource source,
                               QWidget* parent);
    ~ExpandingStringPatternEdit() override;

    // The inline field.
    StringPatternTextEdit* getPatternTextEdit() { return m_patternEdit; }
    void setMaximumExpandedSize(const QSize& size);

public slots:
    QSharedPointer<ValueFilter> getFilter(bool matchCase) override;
    bool setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg) override;
    void setMatchCase(bool matchCase) override;
    void setCompletionStrings(const QStringList& completions) override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private slots:
    void showPopupIfNotVisible();
    void filterDocChanged();

private:
    StringPatternTextEdit* m_patternEdit;
    QVBoxLayout* m_layout;
    QWidget* m_popup;
    StringPatternTextEdit* m_popupEdit;
    QVBoxLayout* m_popupLayout;
    bool m_matchCase;
    // Set by setFilter: the document change it causes opens no popup.
    bool m_ignoreNextChange;
};
