#include "CommandLine.h"

#include "CalendarTable.h"
#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace mrv::app {
namespace {

// Options QGuiApplication, QApplication and the X11 platform plugin take
// from argv themselves. They are parsed here only so that they are not
// reported as unknown; QApplication still reads them from argv.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "geometry",
    "qwindowicon",
    "icon",
    "qwindowtitle",
    "title",
    "session",
    "display",
    "name",
    "visual",
    "style",
    "stylesheet",
    "qmljsdebugger",
    "dialogs",
    "fontengine",
};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "sync", "nograb", "dograb", "testability"};

void addQtOptions(QCommandLineParser& parser)
{
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform); so are ours, as -help.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QString program = QString::fromLatin1(kApplicationName);
    parser.setApplicationDescription(
        QStringLiteral("Converts a year between the calendars of the Morvane timeline, in a window:\n"
                       "%1.\n\n"
                       "Qt's options, such as -platform NAME and -display DISPLAY, work as in every Qt\n"
                       "program. See man %2.")
            .arg(QString::fromStdString(calendarsInWords(&CalendarFacts::prefix)), program));
    // Not addHelpOption(): its --help-all would list Qt's options as ours.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and exit."));
    parser.addOptions({help, version});
    addQtOptions(parser);

    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    if (!error.isEmpty()) {
        error.chop(1); // Qt's texts end in a full stop
        print(stderr,
              program + QStringLiteral(": ") + error + QStringLiteral("; try '%1 --help'.\n").arg(program));
        return 2;
    }
    if (parser.isSet(version)) {
        print(stdout,
              program + QLatin1Char(' ') + QString::fromLatin1(kApplicationVersion) + QLatin1Char('\n'));
        return 0;
    }
    if (parser.isSet(help)) {
        // The help text names the program as it was started, which takes an
        // application object; a core one needs no display.
        QCoreApplication core(argc, argv);
        print(stdout, parser.helpText());
        return 0;
    }
    return std::nullopt;
}

} // namespace mrv::app
