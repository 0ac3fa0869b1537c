#pragma once

#include "document/kind.h"
#include "formats/actorfile.h"
#include "formats/kitfile.h"
#include "formats/missionfile.h"

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorva {

struct Field;

// One open file of the editor, or the fresh page of a kind: its values, the file it belongs
// to and what it would write. The editor's pages and dorva-cli both work on documents. Paths
// are the file system's bytes. Values are code page 932 bytes.
class Document {
public:
    // Whether the document keeps what it would have saved after its last open or save, and
    // what the file held, to tell unsaved changes and changes on disk. A command that opens,
    // edits and saves once needs neither, and spares a whole extra save and the fingerprints.
    enum class Tracking { Changes, None };

    // A fresh page, as before any file is opened.
    explicit Document(Kind kind);

    // Reads and loads the file at path. Throws Error when it cannot be read or loaded; nothing
    // is made then.
    static Document open(Kind kind, const std::string& path, Tracking tracking = Tracking::Changes);
    // Reads and loads the file only to show or check its values. A mission's briefing takes
    // over the bytes read instead of a copy, and the document cannot be saved.
    static Document openToRead(Kind kind, const std::string& path);
    // Loads a file's bytes as read, line breaks not yet normalised; no file is named.
    static Document fromBytes(Kind kind, std::string bytes);

    Kind kind() const { return kind_; }
    // The file Save writes; empty while the page has no file.
    const std::string& path() const { return path_; }
    // The file last opened into the page (Save as does not change it).
    const std::string& openedPath() const { return openedPath_; }
    bool hasFile() const { return !path_.empty(); }
    // Whether Save as works: a mission needs a file to edit.
    bool canSaveAs() const { return !readOnly_ && (hasFile() || kind_ != Kind::Mission); }

    // The values. Asking for them to change them first keeps what a save would write before.
    ActorRecord& actor() {
        keepSavedState();
        return actor_;
    }
    const ActorRecord& actor() const { return actor_; }
    KitRecord& kit() {
        keepSavedState();
        return kit_;
    }
    const KitRecord& kit() const { return kit_; }
    MissionRecord& mission() {
        keepSavedState();
        return mission_;
    }
    const MissionRecord& mission() const { return mission_; }
    // The text a mission save writes the values into: what was last read or written. Throws
    // std::logic_error for a document opened only to read, which keeps none.
    std::string_view missionText() const;

    // Puts typed text (UTF-8) into a field. Text that code page 932 cannot hold leaves the
    // value as it was and stops every save until the field holds text it can; text() gives
    // back what was typed meanwhile.
    void setText(const Field& field, std::string_view utf8);
    // Puts back what text() gave (UTF-8), typed text code page 932 cannot hold included,
    // without the rules a click runs (Field::restore): as undo and redo do.
    void restoreText(const Field& field, std::string_view utf8);
    // The field's value as its control shows it, in UTF-8.
    std::string text(const Field& field) const;
    // False while the field holds typed text that code page 932 cannot hold.
    bool holdsWritableText(const Field& field) const { return unwritable(field) == nullptr; }

    // The bytes a save would write now. Throws Error naming the first field whose text code
    // page 932 cannot hold. Changes nothing.
    std::string output() const;
    // Whether a save would write something else than it would have right after the last open
    // or save. A mission without a file is never modified: it cannot be saved. Without
    // tracking, a document that may be saved counts as modified.
    bool modified() const;
    // What a save would write now when the document is modified, else nothing: modified() and
    // output() in one build. Throws Error as output() does.
    std::optional<std::string> changedOutput() const;

    // Writes output() to path(). Throws Error; the document keeps its file and state then.
    void save();
    // Writes output() to path, which becomes the document's file.
    void saveAs(const std::string& path);

    // Whether the file on disk no longer holds what was last read from or written to it:
    // changed, replaced or deleted since. False while the document has no file. Without
    // tracking, only the file's size and time tell.
    bool changedOnDisk() const;

private:
    struct Unwritable {
        const Field* field;
        std::string typed;   // UTF-8
        std::string held;    // the value the field held when it was typed
        std::string badChar; // UTF-8
    };
    // What was last read from or written to the file; the bytes by their fingerprint.
    struct DiskState {
        long long size = -1;
        std::timespec modified{};
        std::size_t bytes = 0;
    };

    static Document load(Kind kind, std::string bytes, bool keepText);
    void write(const std::string& path);
    // Throws as output() does when nothing can be saved.
    void checkSavable() const;
    // What a save writes, once checkSavable() passed.
    std::string build() const;
    const Unwritable* unwritable(const Field& field) const;
    // setText, or restoreText when restoring.
    void putText(const Field& field, std::string_view utf8, bool restoring);
    void remember(const std::string& path, const std::string& bytes);
    // What a save writes is kept only once something may change, so that a document that is
    // only read (as by dorva-cli show) never builds its output.
    void keepSavedState();

    Kind kind_;
    Tracking tracking_ = Tracking::Changes;
    bool readOnly_ = false;
    std::string path_;
    std::string openedPath_;
    ActorRecord actor_;
    KitRecord kit_;
    MissionRecord mission_;
    std::string missionText_;
    std::vector<Unwritable> unwritable_;
    // The fingerprint of output() right after the last open or save; none until kept.
    std::optional<std::size_t> saved_;
    DiskState disk_;
};

} // namespace dorva
