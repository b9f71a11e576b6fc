#include "knockout/ResultRules.h"

#include "lang/Language.h"

#include <QCoreApplication>

namespace fixturo {

bool scoreKeyAccepted(char32_t code)
{
    return code <= 31 || (code >= U'0' && code <= U'9');
}

bool penaltiesShown(int row, const QString &goals1, const QString &goals2)
{
    return row >= kFirstKnockoutRow && !goals1.isEmpty() && !goals2.isEmpty() &&
           valueOf(goals1) == valueOf(goals2);
}

OkOutcome decideOk(int row, const Score &e, bool shown)
{
    const bool empty1 = e.goals1.isEmpty();
    const bool empty2 = e.goals2.isEmpty();
    if (empty1 && empty2)
        return row >= kFirstKnockoutRow ? OkOutcome::Clear : OkOutcome::Store;
    if (empty1 != empty2)
        return OkOutcome::InsertResults; // half a score is no result, in any match
    if (row < kFirstKnockoutRow)
        return OkOutcome::Store;
    if (shown && e.penalties1.isEmpty() != e.penalties2.isEmpty())
        return OkOutcome::InsertResults;
    if (valueOf(e.goals1) == valueOf(e.goals2) && valueOf(e.penalties1) == valueOf(e.penalties2))
        return OkOutcome::InsertResultsPenalties;
    return OkOutcome::Store;
}

Score acceptedScore(OkOutcome outcome, const Score &entry)
{
    return outcome == OkOutcome::Clear ? Score{} : entry;
}

QString matchTitle(const Championship &championship, int row)
{
    //: The result window's title: the match number, two spaces, its group or stage.
    return QCoreApplication::translate("ResultRules", "Match #%1  %2")
        .arg(QString::number(row + 1), stageName(championship.matches[row].group));
}

QString matchInfo(const Match &m)
{
    return timeOfDay(m.time) + QStringLiteral("  ") + longDate(m.date) + QStringLiteral("  ") +
           cityName(m.city) + QStringLiteral("  ") + m.stadium;
}

} // namespace fixturo
