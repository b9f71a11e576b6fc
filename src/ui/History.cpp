#include "ui/History.h"

#include <QFile>

namespace fixturo {

Snapshot TakeSnapshot(const ModVars &vars, const QString &resultsPath)
{
    Snapshot snapshot{vars, std::nullopt};
    QFile file(resultsPath);
    if (file.open(QIODevice::ReadOnly))
        snapshot.file = file.readAll();
    return snapshot;
}

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

bool ResultChanged(const ModVars &a, const ModVars &b, int row)
{
    for (const int field : {Match::goals1, Match::goals2, Match::penalties1, Match::penalties2})
        if (a.MatchTable[row][field] != b.MatchTable[row][field])
            return true;
    return false;
}

ModVars FreshChampionship(const ModVars &vars)
{
    ModVars fresh;
    InitFixtureData(fresh);
    const qsizetype names = vars.TeamList.indexOf(u',');
    if (names >= 0)
        fresh.TeamList = u'0' + vars.TeamList.mid(names);
    fresh.SelectedMatch = vars.SelectedMatch;
    return fresh;
}

} // namespace fixturo
