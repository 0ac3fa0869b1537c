#pragma once

#include <QStringList>

class QEvent;

namespace dorva {

// Takes a drag or drop of files: files that are all of a kind the editor edits are accepted,
// any other files refused, and the cursor tells which. Fills paths when such files are dropped.
// Returns false for every other event, which then goes on as usual.
bool takeFileDrop(QEvent* event, QStringList* paths);

} // namespace dorva
