#include "document/document.h"

#include "document/fields.h"
#include "document/filereader.h"
#include "document/filewriter.h"
#include "formats/codec.h"
#include "formats/doctext.h"
#include "formats/error.h"

#include <stdexcept>
#include <sys/stat.h>

namespace dorva {

namespace {

bool sameTime(const std::timespec& a, const std::timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

std::size_t fingerprint(std::string_view bytes) {
    return std::hash<std::string_view>{}(bytes);
}

} // namespace

Document::Document(Kind kind) : kind_(kind) {}

void Document::keepSavedState() {
    if (tracking_ == Tracking::Changes && !saved_)
        saved_ = fingerprint(output());
}

Document Document::fromBytes(Kind kind, std::string bytes) {
    return load(kind, std::move(bytes), true);
}

Document Document::load(Kind kind, std::string bytes, bool keepText) {
    Document document(kind);
    document.readOnly_ = !keepText;
    switch (kind) {
    case Kind::Actor:
        // Read by tag, the line breaks as they come.
        document.actor_ = loadActor(bytes);
        break;
    case Kind::Kit:
        document.kit_ = loadKit(normalizeLineBreaks(std::move(bytes)));
        break;
    case Kind::Mission: {
        std::string text = normalizeLineBreaks(std::move(bytes));
        if (keepText) {
            document.mission_ = loadMission(text);
            document.missionText_ = std::move(text);
        } else {
            document.mission_ = loadMissionTakingText(std::move(text));
        }
        break;
    }
    }
    return document;
}

Document Document::open(Kind kind, const std::string& path, Tracking tracking) {
    // The time is taken before the bytes: a change in between then shows as a change later.
    struct stat info {};
    const bool known = ::stat(path.c_str(), &info) == 0;
    std::string bytes = readFile(path);
    const std::size_t read = tracking == Tracking::Changes ? fingerprint(bytes) : 0;
    Document document = fromBytes(kind, std::move(bytes));
    document.tracking_ = tracking;
    document.path_ = path;
    document.openedPath_ = path;
    document.disk_.bytes = read;
    if (known) {
        document.disk_.size = static_cast<long long>(info.st_size);
        document.disk_.modified = info.st_mtim;
    }
    return document;
}

Document Document::openToRead(Kind kind, const std::string& path) {
    Document document = load(kind, readFile(path), false);
    document.tracking_ = Tracking::None;
    document.path_ = path;
    document.openedPath_ = path;
    return document;
}

const Document::Unwritable* Document::unwritable(const Field& field) const {
    // What was typed is gone once the field's value was changed by other means, or once a rule
    // disabled and emptied the field.
    if (field.enabled && !field.enabled(*this))
        return nullptr;
    for (const Unwritable& u : unwritable_)
        if (u.field == &field)
            return field.get(*this) == u.held ? &u : nullptr;
    return nullptr;
}

void Document::setText(const Field& field, std::string_view utf8) {
    putText(field, utf8, false);
}

void Document::restoreText(const Field& field, std::string_view utf8) {
    putText(field, utf8, true);
}

void Document::putText(const Field& field, std::string_view utf8, bool restoring) {
    keepSavedState();
    for (auto it = unwritable_.begin(); it != unwritable_.end(); ++it)
        if (it->field == &field) {
            unwritable_.erase(it);
            break;
        }
    std::string badChar;
    if (const auto bytes = utf8ToCp932(utf8, &badChar)) {
        (restoring && field.restore ? field.restore : field.set)(*this, *bytes);
        return;
    }
    unwritable_.push_back({&field, std::string(utf8), field.get(*this), badChar});
}

std::string Document::text(const Field& field) const {
    if (const Unwritable* u = unwritable(field))
        return u->typed;
    return cp932ToUtf8(field.get(*this));
}

std::string_view Document::missionText() const {
    if (readOnly_)
        throw std::logic_error("a document opened only to read keeps no text");
    return missionText_;
}

void Document::checkSavable() const {
    if (readOnly_)
        throw std::logic_error("a document opened only to read has nothing to save");
    for (const Field& field : fieldsOf(kind_))
        if (const Unwritable* u = unwritable(field))
            throw Error(messageCannotEncode(fieldLabel(field), u->badChar));
}

std::string Document::output() const {
    checkSavable();
    return build();
}

std::string Document::build() const {
    switch (kind_) {
    case Kind::Actor:
        return saveActor(actor_);
    case Kind::Kit:
        return saveKit(kit_);
    case Kind::Mission:
        break;
    }
    return saveMission(mission_, missionText_);
}

bool Document::modified() const {
    try {
        return changedOutput().has_value();
    } catch (const Error&) {
        return true;
    }
}

std::optional<std::string> Document::changedOutput() const {
    // Nothing can have changed before the saved state was kept.
    if (!canSaveAs() || (tracking_ == Tracking::Changes && !saved_))
        return std::nullopt;
    std::string bytes = output();
    if (tracking_ == Tracking::Changes && fingerprint(bytes) == *saved_)
        return std::nullopt;
    return bytes;
}

void Document::write(const std::string& path) {
    keepSavedState();
    checkSavable();
    // A mission's text is edited over its own bytes, which spares a second buffer of its size.
    std::string bytes =
        kind_ == Kind::Mission ? saveMissionTakingText(mission_, std::move(missionText_)) : build();
    // The mission saver edits the document text itself, as the page's memo is edited in place,
    // whether or not the file can then be written.
    const auto takeText = [&] {
        if (kind_ == Kind::Mission)
            missionText_ = std::move(bytes);
    };
    try {
        writeFile(path, bytes);
    } catch (const Error&) {
        takeText();
        throw;
    }
    if (tracking_ == Tracking::Changes)
        saved_ = fingerprint(bytes);
    remember(path, bytes);
    takeText();
}

void Document::remember(const std::string& path, const std::string& bytes) {
    struct stat info {};
    disk_ = DiskState{};
    if (tracking_ == Tracking::Changes)
        disk_.bytes = fingerprint(bytes);
    if (::stat(path.c_str(), &info) == 0) {
        disk_.size = static_cast<long long>(info.st_size);
        disk_.modified = info.st_mtim;
    }
}

void Document::save() {
    write(path_);
}

void Document::saveAs(const std::string& path) {
    write(path);
    path_ = path;
}

bool Document::changedOnDisk() const {
    if (!hasFile())
        return false;
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0)
        return true;
    if (static_cast<long long>(info.st_size) == disk_.size &&
        sameTime(info.st_mtim, disk_.modified))
        return false;
    if (tracking_ == Tracking::None)
        return true;
    try {
        return fingerprint(readFile(path_)) != disk_.bytes;
    } catch (const Error&) {
        return true;
    }
}

} // namespace dorva
