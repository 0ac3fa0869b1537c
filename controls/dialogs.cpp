#include "controls/dialogs.h"

#include "formats/error.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

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

QString run(QFileDialog& dialog, FileDialogState& state) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().first();
    const QFileInfo info(path);
    state.folder = info.absolutePath();
    state.fileName = info.fileName();
    return path;
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
    return run(dialog, state);
}

std::optional<QColor> QtDialogs::chooseColor(QWidget* parent, const QColor& initial) {
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

void QtDialogs::showError(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("DORVA"), errorBoxText(message),
                    QMessageBox::Ok, parent);
    box.exec();
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
