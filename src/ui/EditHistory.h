#pragma once

#include "state/Championship.h"

#include <QByteArray>
#include <QUndoCommand>

#include <functional>
#include <memory>
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

// A step that also changed the results file in use: undo goes back to the file
// used before and redo to the one used after, each before the step's snapshot
// is put back there.
class FileSwitchStep : public QUndoCommand {
public:
    using UsePath = std::function<void(const QString &)>;

    FileSwitchStep(StateStep *step, QString pathBefore, QString pathAfter, UsePath use)
        : QUndoCommand(step->text()), m_step(step), m_pathBefore(std::move(pathBefore)),
          m_pathAfter(std::move(pathAfter)), m_use(std::move(use))
    {
    }

    void undo() override
    {
        m_use(m_pathBefore);
        m_step->undo();
    }
    void redo() override
    {
        m_use(m_pathAfter);
        m_step->redo();
    }

private:
    std::unique_ptr<StateStep> m_step;
    QString m_pathBefore;
    QString m_pathAfter;
    UsePath m_use;
};

} // namespace fixturo
