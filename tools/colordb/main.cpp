// qvas-colordb: checks colour database folders with the alarm screen's own
// colour engine, and shows what a colour name resolves to.
//
//   qvas-colordb check DIR...        every refused line as "file:line: reason",
//                                    every alias loop and unresolved alias;
//                                    exit 1 when there is any
//   qvas-colordb show NAME [DIR...]  the colour's entries, steady or blinking,
//                                    and the aliases walked; exit 1 when it
//                                    has no colour
//
// A DIR is a project folder holding "colorDB" or the "colorDB" folder itself;
// the first DIR takes precedence, as the project path does on the platform.

#include "ColorDbChecker.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

namespace {

const int kExitProblems = 1;
const int kExitUsage = 2;

int check(const QStringList& dirs)
{
    ColorDbChecker checker;
    checker.load(dirs);
    QTextStream out(stdout);
    for (const QString& problem : checker.problems())
        out << problem << '\n';
    out << "qvas-colordb: " << checker.fileCount() << " files, " << checker.colorCount() << " colours, "
        << checker.refusedLineCount() << " lines refused, " << checker.problems().size() << " messages"
        << Qt::endl;
    if (checker.fileCount() == 0) {
        // A mistyped folder must not pass as a clean one.
        QTextStream(stderr) << "qvas-colordb: no colour database file under " << dirs.join(QStringLiteral(", "))
                            << Qt::endl;
        return kExitProblems;
    }
    return checker.problems().isEmpty() ? 0 : kExitProblems;
}

int show(const QString& name, const QStringList& dirs)
{
    ColorDbChecker checker;
    checker.load(dirs.isEmpty() ? QStringList{QStringLiteral(".")} : dirs);
    QStringList lines;
    const bool resolved = checker.describe(name, lines);
    QTextStream(stdout) << lines.join(QLatin1Char('\n')) << Qt::endl;
    if (!checker.problems().isEmpty()) {
        QTextStream(stderr) << "qvas-colordb: the databases hold " << checker.problems().size()
                            << " problems; \"qvas-colordb check\" lists them" << Qt::endl;
    }
    return resolved ? 0 : kExitProblems;
}

} // namespace

int main(int argc, char* argv[])
{
    // A command-line tool runs without a display (the minimal platform, which
    // unlike offscreen asks for no runtime folder); the built-in names then
    // take the default palette's colours.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "minimal");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qvas-colordb"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks colour database folders and shows what a colour resolves to.\n"
        "A DIR is a project folder holding colorDB, or the colorDB folder itself."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("check"), QStringLiteral("check DIR...: report every refused line."));
    parser.addPositionalArgument(QStringLiteral("show"),
                                 QStringLiteral("show NAME [DIR...]: what NAME resolves to (DIR: the working folder)."));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    if (command == QLatin1String("check") && args.size() >= 2)
        return check(args.mid(1));
    if (command == QLatin1String("show") && args.size() >= 2)
        return show(args.at(1), args.mid(2));
    QTextStream(stderr) << parser.helpText();
    return kExitUsage;
}
