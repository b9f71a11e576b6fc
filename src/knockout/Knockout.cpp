#include "knockout/Knockout.h"

#include "lang/Language.h"

#include <QCoreApplication>

namespace fixturo {

namespace {

struct QuarterFinalCells {
    int winnerRow;   // team1 of this row receives the group winner
    int runnerUpRow; // team2 of this row receives the runner-up
};

// Group A feeds #25 and #26, B #26 and #25, C #27 and #28, D #28 and #27.
constexpr std::array<QuarterFinalCells, kGroupCount> kQuarterFinalCells{{
    {24, 25},
    {25, 24},
    {26, 27},
    {27, 26},
}};

bool groupComplete(const Championship &championship, int group)
{
    for (int r : groupMatchRows(group))
        if (!championship.matches[r].played())
            return false;
    return true;
}

} // namespace

const std::array<BracketSlot, 14> kBracketSlots{{
    {24, Side::First},
    {24, Side::Second},
    {25, Side::First},
    {25, Side::Second},
    {26, Side::First},
    {26, Side::Second},
    {27, Side::First},
    {27, Side::Second},
    {28, Side::First},
    {28, Side::Second},
    {29, Side::First},
    {29, Side::Second},
    {30, Side::First},
    {30, Side::Second},
}};

void fillQuarterFinals(Championship &championship)
{
    for (int g = 0; g < kGroupCount; ++g) {
        const QChar letter(u'A' + g);
        QString &runnerUp = championship.matches[kQuarterFinalCells[g].runnerUpRow].team2;
        QString &winner = championship.matches[kQuarterFinalCells[g].winnerRow].team1;
        if (groupComplete(championship, g)) {
            runnerUp = championship.groupOrder[g][1];
            winner = championship.groupOrder[g][0];
        } else {
            runnerUp = QStringLiteral("Runner-up Grp ") + letter;
            winner = QStringLiteral("Winner Grp ") + letter;
        }
    }
}

std::optional<QString> knockoutWinner(const Match &match)
{
    const auto decide = [&](const QString &first, const QString &second) -> std::optional<QString> {
        const std::int64_t a = valueOf(first);
        const std::int64_t b = valueOf(second);
        if (a > b)
            return match.team1;
        if (b > a)
            return match.team2;
        return std::nullopt;
    };
    if (auto winner = decide(match.score.goals1, match.score.goals2))
        return winner;
    return decide(match.score.penalties1, match.score.penalties2);
}

QString advanceKnockoutWinners(Championship &championship)
{
    struct Step {
        int decided;
        BracketSlot target;
        const char *placeholder;
    };
    static constexpr std::array<Step, 6> kSteps{{
        {24, {28, Side::First}, "Winner #25"},
        {25, {28, Side::Second}, "Winner #26"},
        {26, {29, Side::First}, "Winner #27"},
        {27, {29, Side::Second}, "Winner #28"},
        {28, {30, Side::First}, "Winner #29"},
        {29, {30, Side::Second}, "Winner #30"},
    }};
    for (const Step &s : kSteps)
        championship.matches[s.target.row].team(s.target.side) =
            knockoutWinner(championship.matches[s.decided]).value_or(QString::fromLatin1(s.placeholder));
    return knockoutWinner(championship.matches[kFinalRow]).value_or(QStringLiteral("Winner"));
}

QString slotScore(const QString &goals, const QString &penalties)
{
    if (!penalties.isEmpty())
        return u'(' + penalties + u')' + goals + u' ';
    return goals + u' ';
}

QString slotText(const Championship &championship, const BracketSlot &slot)
{
    const Match &match = championship.matches[slot.row];
    return slotScore(match.score.goals(slot.side), match.score.penalties(slot.side)) +
           teamName(match.team(slot.side));
}

QString sideSpoken(const Match &match, Side side)
{
    const QString &goals = match.score.goals(side);
    const QString &penalties = match.score.penalties(side);
    QString spoken = teamName(match.team(side));
    if (!goals.isEmpty())
        spoken += u' ' + goals;
    if (!penalties.isEmpty())
        //: Said after a team's goals in a knockout match: its penalty goals.
        spoken += QCoreApplication::translate("Knockout", " (%1 on penalties)").arg(penalties);
    return spoken;
}

QString matchSpoken(const Championship &championship, int row)
{
    const Match &match = championship.matches[row];
    //: What a screen reader says for a knockout match: its number and both sides.
    return QCoreApplication::translate("Knockout", "Match %1: %2, %3")
        .arg(row + 1)
        .arg(sideSpoken(match, Side::First), sideSpoken(match, Side::Second));
}

} // namespace fixturo
