#include "document/history.h"

#include "document/document.h"
#include "document/fields.h"

#include <algorithm>

namespace dorva {

History::Mark History::mark(const Document& document, const std::vector<const Field*>& fields) {
    Mark mark;
    for (const Field& field : fieldsOf(document.kind()))
        if (fields.empty() || std::find(fields.begin(), fields.end(), &field) != fields.end())
            mark.values.emplace_back(&field, document.text(field));
    return mark;
}

bool History::push(const Document& document, Mark before, std::string name) {
    Step step{std::move(name), {}};
    for (auto& [field, value] : before.values)
        if (document.text(*field) != value)
            step.values.emplace_back(field, std::move(value));
    if (step.values.empty())
        return false;
    steps_.resize(done_);
    steps_.push_back(std::move(step));
    ++done_;
    return true;
}

std::string History::undoName() const {
    return canUndo() ? steps_[done_ - 1].name : std::string();
}

std::string History::redoName() const {
    return canRedo() ? steps_[done_].name : std::string();
}

std::vector<const Field*> History::swap(Document& document, Step& step) {
    // All values are read before any is put back: whether a field shows typed text depends on
    // other fields ("Ex Ammo" disables the second item).
    std::vector<std::string> shown;
    for (const auto& [field, value] : step.values)
        shown.push_back(document.text(*field));
    std::vector<const Field*> fields;
    for (std::size_t i = 0; i < step.values.size(); ++i) {
        auto& [field, value] = step.values[i];
        document.restoreText(*field, value);
        value = std::move(shown[i]);
        fields.push_back(field);
    }
    return fields;
}

std::vector<const Field*> History::undo(Document& document) {
    if (!canUndo())
        return {};
    return swap(document, steps_[--done_]);
}

std::vector<const Field*> History::redo(Document& document) {
    if (!canRedo())
        return {};
    return swap(document, steps_[done_++]);
}

void History::clear() {
    steps_.clear();
    done_ = 0;
}

} // namespace dorva
