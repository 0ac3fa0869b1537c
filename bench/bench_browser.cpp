// The file browser: listing a folder of 10,000 files and changing its mask, against a plain
// directory listing; opening a file by selecting it in the list, through the main window to
// the filled page, against a plain read of the file.
#include "app/mainwindow.h"
#include "bench/inputs.h"
#include "bench/medians.h"
#include "bench/table.h"
#include "browser/filebrowser.h"
#include "controls/dialogs.h"
#include "pages/actorpage.h"
#include "pages/kitpage.h"
#include "pages/missionpage.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace dorva::bench {
namespace {

// No one is there to answer: any dialog or error box means the measurement went wrong.
class NoDialogs : public Dialogs {
public:
    QString openFile(QWidget*, const QString&, FileDialogState&) override { fail("open"); }
    QString saveFile(QWidget*, const QString&, const QString&, FileDialogState&) override {
        fail("save");
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { fail("colour"); }
    void showError(QWidget*, const QString& message) override {
        fail(message.toStdString().c_str());
    }
    SaveChoice askSaveChanges(QWidget*, const QString&) override { fail("save changes"); }
    bool askOverwrite(QWidget*, const QString&, const std::function<void()>&) override {
        fail("overwrite");
    }

private:
    [[noreturn]] static void fail(const char* what) {
        std::fprintf(stderr, "bench_browser: unexpected dialog: %s\n", what);
        std::abort();
    }
};

constexpr double kOpenTarget = 5e-3;

struct OpenCase {
    std::string kind;
    DocumentPage* page;
    QString first; // two files of the kind; the list selects them in turn
    QString second;
};

void registerListing(FileBrowser& browser, const QString& folder) {
    benchmark::RegisterBenchmark("list/entryList", [folder](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(QDir(folder).entryList(QDir::Files));
    });
    benchmark::RegisterBenchmark("list/setFolder", [&browser, folder](benchmark::State& state) {
        browser.setMask("*.atr");
        for (auto _ : state)
            browser.setFolder(folder);
        state.counters["files"] = static_cast<double>(browser.files().size());
    });
    benchmark::RegisterBenchmark("list/setMask", [&browser, folder](benchmark::State& state) {
        browser.setFolder(folder);
        bool actors = false;
        for (auto _ : state) {
            actors = !actors;
            browser.setMask(actors ? "*.atr" : "*.mis");
        }
    });
}

void registerOpen(MainWindow& window, const OpenCase& c, const std::string& folder) {
    const std::string path = folder + "/" + c.first.toStdString();
    benchmark::RegisterBenchmark(("read/" + c.kind).c_str(), [path](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(readFile(path));
    });
    benchmark::RegisterBenchmark(("open/" + c.kind).c_str(), [&window, c](benchmark::State& state) {
        auto* tabs = window.findChild<QTabWidget*>("PageControl1");
        tabs->setCurrentWidget(c.page);
        QCoreApplication::processEvents();
        FileBrowser* browser = window.fileBrowser();
        bool first = false;
        for (auto _ : state) {
            first = !first;
            const QString name = first ? c.first : c.second;
            if (!browser->selectFile(name)) {
                state.SkipWithError("file not listed");
                break;
            }
            // Until the page is painted with the new values.
            QCoreApplication::processEvents();
            if (!c.page->statusField()->text().endsWith(name)) {
                state.SkipWithError("page did not open the file");
                break;
            }
        }
    });
}

} // namespace
} // namespace dorva::bench

int main(int argc, char** argv) {
    using namespace dorva;
    using namespace dorva::bench;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::vector<std::string> args = initializeInterleaved(argc, argv);
    if (args.size() != 1) {
        std::cerr << "usage: bench_browser [benchmark options] INPUT_FOLDER\n";
        return 2;
    }
    QApplication app(argc, argv);
    const QString root = QString::fromStdString(args[0]);
    const QString folder10000 = root + "/folder10000";
    const std::string folder1000 = args[0] + "/folder1000";

    NoDialogs dialogs;
    FileBrowser browser(dialogs);
    registerListing(browser, folder10000);

    const QByteArray start = QByteArray::fromStdString(folder1000);
    MainWindow window(dialogs, root + "/bench_browser.ini", start, start + "/shortcut.ini");
    window.show();
    QCoreApplication::processEvents();
    const std::vector<OpenCase> cases = {
        {"actor", window.actorPage(), "unit00000.atr", "unit00003.atr"},
        {"kit", window.kitPage(), "unit00001.kit", "unit00004.kit"},
        {"mission", window.missionPage(), "unit00002.mis", "unit00005.mis"},
    };
    for (const OpenCase& c : cases)
        registerOpen(window, c, folder1000);

    MedianCollector medians;
    benchmark::RunSpecifiedBenchmarks(&medians);
    benchmark::Shutdown();

    const int listed = static_cast<int>(QDir(folder10000).entryList(QDir::Files).size());
    const std::string files = std::to_string(listed) + " files";
    printTimeRow("List a folder of " + files + " (setFolder)", medians.seconds("list/setFolder"),
                 "QDir::entryList", medians.seconds("list/entryList"), 0);
    printTimeRow("Change the mask on " + files + " (setMask)", medians.seconds("list/setMask"),
                 "QDir::entryList", medians.seconds("list/entryList"), 0);
    for (const OpenCase& c : cases) {
        const double open = medians.seconds("open/" + c.kind);
        const double read = medians.seconds("read/" + c.kind);
        printRow("Open a typical " + c.kind + " from the list", formatSeconds(open),
                 "read " + formatSeconds(read), formatRatio(open / read),
                 "< " + formatSeconds(kOpenTarget), open < kOpenTarget ? "met" : "MISSED");
    }
}
