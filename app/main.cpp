#include "app/commandline.h"
#include "app/editor.h"
#include "app/fontconfigloader.h"
#include "browser/localpath.h"
#include "controls/dialogs.h"

#include <QApplication>
#include <cstdio>

namespace {

// The arguments as text. A file name that is not UTF-8 (one unpacked from a Windows archive)
// shows through the lossless code page conversion, from which opening finds its bytes again.
QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << dorva::shownPath(QByteArray(argv[i]));
    return arguments;
}

int printAndEnd(const dorva::CommandLine& line) {
    std::fputs(line.output.toLocal8Bit().constData(), *line.exitCode == 0 ? stdout : stderr);
    return *line.exitCode;
}

} // namespace

int main(int argc, char** argv) {
    // The help and the version need no display, so they are printed without a QApplication.
    if (dorva::parseCommandLine(argumentsOf(argc, argv), QString()).exitCode == 0) {
        const QCoreApplication core(argc, argv);
        return printAndEnd(dorva::parseCommandLine(QCoreApplication::arguments(), QString()));
    }

    dorva::FontConfigLoader fonts;
    QApplication app(argc, argv);
    // Parsed again once Qt has taken its own options (-platform, -style...) out of the list.
    // Files are made absolute now, since the file browser moves the working folder later.
    const dorva::CommandLine line =
        dorva::parseCommandLine(argumentsOf(argc, argv), dorva::shownPath(dorva::currentFolder()));
    if (line.exitCode)
        return printAndEnd(line);
    // The name of the desktop entry, so that the desktop ties the window to its entry and icon.
    QGuiApplication::setDesktopFileName(DORVA_APP_ID);
    fonts.wait();
    dorva::QtDialogs dialogs;
    const auto window = dorva::createEditor(dialogs);
    window->show();
    window->openFiles(line.files);
    return app.exec();
}
