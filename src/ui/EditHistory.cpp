#include "ui/EditHistory.h"

namespace fixturo {

StateStep::StateStep(const QString &text, Snapshot before, Snapshot after, Restore restore)
    : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after)),
      m_restore(std::move(restore))
{
}

void StateStep::undo()
{
    m_restore(m_before);
}

void StateStep::redo()
{
    if (m_done)
        m_restore(m_after);
    m_done = true;
}

} // namespace fixturo
