#include "knockout/MatchRules.h"

namespace fixturo {

bool ScoreKeyAccepted(char32_t code)
{
    return code <= 31 || (code >= U'0' && code <= U'9');
}

bool PenaltiesShown(int selectedMatch, const QString &goals1, const QString &goals2)
{
    return selectedMatch >= kFirstKnockoutRow && !goals1.isEmpty() && !goals2.isEmpty() &&
           ValueOf(goals1) == ValueOf(goals2);
}

OkOutcome DecideOk(int selectedMatch, const ScoreEntry &e, bool penaltiesShown)
{
    const bool empty1 = e.goals1.isEmpty();
    const bool empty2 = e.goals2.isEmpty();
    if (empty1 && empty2)
        return selectedMatch >= kFirstKnockoutRow ? OkOutcome::Clear : OkOutcome::Store;
    if (empty1 != empty2)
        return OkOutcome::InsertResults; // half a score is no result, in any match
    if (selectedMatch < kFirstKnockoutRow)
        return OkOutcome::Store;
    if (penaltiesShown && e.penalties1.isEmpty() != e.penalties2.isEmpty())
        return OkOutcome::InsertResults;
    if (ValueOf(e.goals1) == ValueOf(e.goals2) && ValueOf(e.penalties1) == ValueOf(e.penalties2))
        return OkOutcome::InsertResultsPenalties;
    return OkOutcome::Store;
}

void StoreEntry(MatchRow &row, OkOutcome outcome, const ScoreEntry &entry)
{
    const bool clear = outcome == OkOutcome::Clear;
    row[Match::goals1] = clear ? QString() : entry.goals1;
    row[Match::goals2] = clear ? QString() : entry.goals2;
    row[Match::penalties1] = clear ? QString() : entry.penalties1;
    row[Match::penalties2] = clear ? QString() : entry.penalties2;
}

QString MatchTitle(const ModVars &vars, int row)
{
    return QStringLiteral("Match #%1  %2").arg(QString::number(row + 1), vars.MatchTable[row][Match::group]);
}

QString MatchInfo(const MatchRow &row)
{
    return row[Match::time] + QStringLiteral("  ") + row[Match::date] + QStringLiteral("  ") +
           row[Match::city] + QStringLiteral("  ") + row[Match::stadium];
}

} // namespace fixturo
