#include <QCoreApplication>
#include <QMimeDatabase>
#include <cstdio>

// Prints the type the desktop's file type database gives each FILE, and fails when one is not
// the type named after it: mimetypes FILE=TYPE...
int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    const QMimeDatabase types;
    int wrong = 0;
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        const qsizetype equals = argument.lastIndexOf('=');
        const QString file = argument.left(equals);
        const QString expected = argument.mid(equals + 1);
        const QString type = types.mimeTypeForFile(file).name();
        std::printf("%-40s %s%s\n", qPrintable(file), qPrintable(type),
                    type == expected ? "" : qPrintable(" (expected " + expected + ")"));
        wrong += type != expected;
    }
    return wrong == 0 ? 0 : 1;
}
