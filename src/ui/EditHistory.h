#pragma once

#include "state/Championship.h"

#include <QByteArray>
#include <QUndoCommand>

#include <functional>
#include <optional>

namespace fixturo {

// The championship and the results file's exact bytes at one moment; no
// bytes when there was no file to read.
struct Snapshot {
    Championship championship;
    std::optional<QByteArray> file;
};

// One step of the edit history: the state and file before and after a change.
// Undo and redo hand the snapshot to put back to `restore`. The change has
// already happened when the step is pushed, so the first redo does nothing.
class StateStep : public QUndoCommand {
public:
    using Restore = std::function<void(const Snapshot &)>;

    StateStep(const QString &text, Snapshot before, Snapshot after, Restore restore);

    void undo() override;
    void redo() override;

private:
    Snapshot m_before;
    Snapshot m_after;
    Restore m_restore;
    bool m_done = false;
};

} // namespace fixturo
