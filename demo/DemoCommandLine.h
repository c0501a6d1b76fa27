#pragma once

#include <QCommandLineParser>
#include <QLocale>

class DemoWindow;
class QApplication;

// The demo's command-line options: which project and configuration, what
// the screen starts with (page, panel, role, grouping, filters, popups),
// and the batch runs that write a screenshot or a CSV export and exit.
class DemoCommandLine
{
public:
    DemoCommandLine();

    // Parses the application's arguments; exits on --help or an unknown option.
    void process(const QApplication& app);
    QString projectDir() const;
    QString configFile() const;
    // The language asked for with --lang, or the system's.
    QLocale locale() const;
    bool isSet(const QString& name) const { return m_parser.isSet(name); }
    // The exit status for an option whose value is wrong (said on stderr), or -1.
    int checkValues() const;
    // Applies what the window starts with before it is shown; the exit
    // status on a wrong value, or -1 to go on.
    int prepare(DemoWindow& window) const;
    // What happens once the window is shown.
    int start(DemoWindow& window) const;
    // Takes the screenshot or export after the delay and quits; the exit status.
    int runBatch(QApplication& app, DemoWindow& window) const;
    bool isBatch() const;

private:
    void addOptions();
    // Types into the filter tab's pattern lists, as --pattern and --expand-pattern ask.
    void typePatterns(DemoWindow& window) const;

    QCommandLineParser m_parser;
};
