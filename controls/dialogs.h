#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QMessageBox;
class QWidget;

namespace dorva {

// Where a file dialog starts: one per kind of dialog, updated when the user confirms a file,
// so the next use starts at the last folder and file.
struct FileDialogState {
    QString folder;
    QString fileName;
};

// The answers to "Save changes to NAME?".
enum class SaveChoice { Save, Discard, Cancel };

// The program's standard dialogs, its questions and the error box, behind one interface so
// tests can answer them. Filters use the notation
// "Description|pattern;pattern|Description|pattern".
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The chosen full path, or an empty string when cancelled.
    virtual QString openFile(QWidget* parent, const QString& filter, FileDialogState& state) = 0;
    // Asks before overwriting an existing file; adds defaultSuffix to a name without one.
    virtual QString saveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                             FileDialogState& state) = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // The error box: caption "DORVA", error icon, one OK button; adds the final period.
    virtual void showError(QWidget* parent, const QString& message) = 0;
    // The question before unsaved changes would be lost: Save, Discard or Cancel.
    virtual SaveChoice askSaveChanges(QWidget* parent, const QString& question) = 0;
    // The question before a save replaces a file another program changed: true for Overwrite.
    // Its "Show Changes" runs showChanges and then asks again.
    virtual bool askOverwrite(QWidget* parent, const QString& question,
                              const std::function<void()>& showChanges) = 0;
};

// The real dialogs of the toolkit.
class QtDialogs : public Dialogs {
public:
    QString openFile(QWidget* parent, const QString& filter, FileDialogState& state) override;
    QString saveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                     FileDialogState& state) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    void showError(QWidget* parent, const QString& message) override;
    SaveChoice askSaveChanges(QWidget* parent, const QString& question) override;
    bool askOverwrite(QWidget* parent, const QString& question,
                      const std::function<void()>& showChanges) override;
};

// "Actor File(*.atr)|*.atr|All File(*.*)|*.*" in Qt's notation.
QString toQtFilter(const QString& filter);

// The text the error box shows for a message.
QString errorBoxText(const QString& message);

// The error box QtDialogs::showError shows. A long path in the message wraps, and one too long
// for the screen even so is cut short in its middle, so that the OK button stays on the screen.
std::unique_ptr<QMessageBox> errorBox(QWidget* parent, const QString& message);

} // namespace dorva
