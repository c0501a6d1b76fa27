#pragma once

#include <MsgLoggingProducer.h>
#include <WildcardConfig.h>

#include <QMainWindow>
#include <QSharedPointer>

class DemoTextRuleFilter;
class MsgLoggerModel;
class QCheckBox;
class QPlainTextEdit;

// The host alarm screen of the demo: it places the library's widgets around
// a simulated alarm table and shows what they produce.
class DemoWindow : public QMainWindow, public MsgLoggingProducer
{
    Q_OBJECT
public:
    explicit DemoWindow(const QString& projectDir, QWidget* parent = nullptr);

    // Shows a stored filter in the text rule list, as a host restoring an
    // operator's filter does.
    void showInitialFilter();

private slots:
    void filterEdited();
    void matchCaseToggled(bool matchCase);

private:
    QWidget* createFilterArea();
    QWidget* createLogView();

    QString m_projectDir;
    QSharedPointer<MsgLoggerModel> m_log;
    WildcardConfig m_wildcardConfig;
    DemoTextRuleFilter* m_textFilter = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QPlainTextEdit* m_filterText = nullptr;
};
