#include "app/commandline.h"

#include "formats/version.h"

#include <QCommandLineParser>
#include <QDir>

namespace dorva {

CommandLine parseCommandLine(const QStringList& arguments, const QString& startFolder) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Edits Actor (.atr), Kit (.kit) and Mission (.mis) game data files.");
    // Not addHelpOption(): its --help-all can only be served by a parser that ends the process.
    const QCommandLineOption help({"h", "help"}, "Displays this help.");
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument("FILE",
                                 "A file to open in the page of its kind, known by the extension "
                                 ".atr, .kit or .mis in any letter case. The page of the last "
                                 "file shows.",
                                 "[FILE...]");

    CommandLine line;
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) {
        line.exitCode = 0;
        line.output = parser.helpText();
    } else if (parser.isSet(version)) {
        line.exitCode = 0;
        line.output = QString("dorva %1\n").arg(kVersion);
    } else if (!parsed) {
        line.exitCode = 2;
        line.output = QString("dorva: %1\nTry 'dorva --help' for more information.\n")
                          .arg(parser.errorText());
    } else {
        const QDir start(startFolder);
        for (const QString& file : parser.positionalArguments())
            line.files << QDir::cleanPath(start.absoluteFilePath(file));
    }
    return line;
}

} // namespace dorva
