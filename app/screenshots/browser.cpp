#include "app/screenshots/shots.h"
#include "app/uifont.h"
#include "browser/filebrowser.h"
#include "controls/dialogs.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

namespace {

// The panel alone never opens a dialog; errors would only come from a broken sample folder.
class NoDialogs : public dorva::Dialogs {
public:
    QString openFile(QWidget*, const QString&, dorva::FileDialogState&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, dorva::FileDialogState&) override {
        return {};
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return std::nullopt; }
    void showError(QWidget*, const QString&) override {}
    dorva::SaveChoice askSaveChanges(QWidget*, const QString&) override {
        return dorva::SaveChoice::Cancel;
    }
    bool askOverwrite(QWidget*, const QString&, const std::function<void()>&) override {
        return false;
    }
};

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("x");
}

} // namespace

void shootBrowser(const QString& dir) {
    const QString saved = QDir::currentPath();
    QTemporaryDir temp;
    const QString mods = temp.filePath("Mods");
    for (const char* name : {"Alpha.atr", "bravo.atr", "CHARLIE.ATR", "delta.atr", "m01.mis",
                             "M02.MIS", "m03.mis", "assault.kit", "Sniper.kit", "readme.txt"})
        touch(mods + "/" + name);
    for (const char* sub : {"Actor", "Kit", "Mission", "textures"})
        QDir().mkpath(mods + "/" + sub);

    dorva::applyUiFont();
    NoDialogs dialogs;
    dorva::FileBrowser browser(dialogs);
    browser.setFolder(mods);
    browser.setShortcutText(mods);
    browser.resize(139, 442);

    browser.setMask("*.atr");
    browser.selectFile("bravo.atr");
    browser.show();
    browser.grab().save(dir + "/browser.png");

    // The same folder while the Kit page shows, with a shortcut's mask for every file.
    browser.setMask("*.kit");
    browser.grab().save(dir + "/browser-kit.png");
    browser.setMask("*.*");
    browser.grab().save(dir + "/browser-all.png");

    browser.hide();
    QDir::setCurrent(saved);
}
