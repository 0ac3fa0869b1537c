#include "controls/dialogs.h"

#include "formats/error.h"
#include "formats/filename.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <climits>
#include <sys/stat.h>

namespace dorva {

namespace {

// A non-native dialog, so it looks and behaves the same on every desktop.
void prepare(QFileDialog& dialog, const QString& filter, const FileDialogState& state) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(toQtFilter(filter));
    if (!state.folder.isEmpty())
        dialog.setDirectory(state.folder);
    if (!state.fileName.isEmpty())
        dialog.selectFile(state.fileName);
}

// Places to break a long path: after each "/" and within any long run of characters. The
// error box wraps only where the text lets it and cuts off the rest.
QString breakable(const QString& text) {
    constexpr QChar kBreak(0x200B); // zero width space
    constexpr int kLongestRun = 16;
    QString out;
    int run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        out += c;
        run = c.isSpace() ? 0 : run + 1;
        const bool inPair = i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (i + 1 < text.size() && !inPair && (c == u'/' || run >= kLongestRun)) {
            out += kBreak;
            run = 0;
        }
    }
    return out;
}

// The text shortened in its middle until, wrapped as the error box wraps it (at about half the
// screen's width, at most 500 pixels, beside the icon), it leaves room on the screen for the
// box's title and its OK button.
QString fitted(const QString& text, const QFont& font, const QRect& screen) {
    const QFontMetrics metrics(font);
    const int width = std::max(100, std::min(screen.width() / 2, 500) - 100);
    const int height = std::max(metrics.lineSpacing(), screen.height() - 200);
    const auto tooTall = [&](const QString& t) {
        return metrics.boundingRect(QRect(0, 0, width, INT_MAX), Qt::TextWordWrap, t).height() >
               height;
    };
    QString shown = breakable(text);
    QString shorter = text;
    while (tooTall(shown) && shorter.size() > 40) {
        const qsizetype half = shorter.size() * 3 / 8;
        shorter = shorter.left(half) + QChar(0x2026) + shorter.right(half);
        shown = breakable(shorter);
    }
    return shown;
}

QString run(QFileDialog& dialog, FileDialogState& state) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().first();
    const QFileInfo info(path);
    state.folder = info.absolutePath();
    state.fileName = info.fileName();
    return path;
}

// The dialog sees only names in UTF-8, but saving finds a name in code page 932 as well
// (browser/localpath.h): a file of that kind that shows as the chosen name would be replaced
// without the question the dialog asks for the files it sees.
bool replacesUnseenFile(const QString& path) {
    const QFileInfo info(path);
    if (info.exists())
        return false;
    const QByteArray folder = QFile::encodeName(info.path()) + '/';
    for (const std::string& form : fileNameForms(info.fileName().toStdString())) {
        struct stat status {};
        if (lstat((folder + QByteArray::fromStdString(form)).constData(), &status) == 0)
            return true;
    }
    return false;
}

} // namespace

QString QtDialogs::openFile(QWidget* parent, const QString& filter, FileDialogState& state) {
    QFileDialog dialog(parent);
    prepare(dialog, filter, state);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return run(dialog, state);
}

QString QtDialogs::saveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                            FileDialogState& state) {
    QFileDialog dialog(parent);
    prepare(dialog, filter, state);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setSizeGripEnabled(true);
    while (true) {
        const QString path = run(dialog, state);
        // The dialog's own question, in its words.
        if (path.isEmpty() || !replacesUnseenFile(path) ||
            QMessageBox::warning(parent, dialog.windowTitle(),
                                 QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(QFileInfo(path).fileName()),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes)
            return path;
    }
}

std::optional<QColor> QtDialogs::chooseColor(QWidget* parent, const QColor& initial) {
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

void QtDialogs::showError(QWidget* parent, const QString& message) {
    errorBox(parent, message)->exec();
}

SaveChoice QtDialogs::askSaveChanges(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("DORVA"), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

bool QtDialogs::askOverwrite(QWidget* parent, const QString& question,
                             const std::function<void()>& showChanges) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("DORVA"), question, QMessageBox::Cancel,
                    parent);
    QPushButton* overwrite = box.addButton(QObject::tr("Overwrite"), QMessageBox::AcceptRole);
    QPushButton* changes = box.addButton(QObject::tr("Show Changes"), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    // The changes' window returns to the question.
    for (;;) {
        box.exec();
        if (box.clickedButton() != changes)
            return box.clickedButton() == overwrite;
        showChanges();
    }
}

std::unique_ptr<QMessageBox> errorBox(QWidget* parent, const QString& message) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("DORVA"),
                                             QString(), QMessageBox::Ok, parent);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
    box->setText(fitted(errorBoxText(message), box->font(), area));
    return box;
}

QString toQtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i < parts.size(); i += 2) {
        const QString patterns = i + 1 < parts.size() ? parts[i + 1] : QString();
        if (patterns.isEmpty())
            filters << parts[i];
        else
            filters << parts[i] + " (" + QString(patterns).replace(';', ' ') + ")";
    }
    return filters.join(";;");
}

QString errorBoxText(const QString& message) {
    return QString::fromStdString(withFinalPeriod(message.toStdString()));
}

} // namespace dorva
