#include "knockout/Knockout.h"

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

bool GroupComplete(const ModVars &vars, int group)
{
    for (int r : GroupMatchRows(group))
        if (vars.MatchTable[r][Match::goals1].isEmpty())
            return false;
    return true;
}

} // namespace

const std::array<BracketSlot, 14> kBracketSlots{{
    {24, Match::team1, 16, 7},
    {24, Match::team2, 17, 8},
    {25, Match::team1, 18, 9},
    {25, Match::team2, 19, 10},
    {26, Match::team1, 20, 11},
    {26, Match::team2, 21, 12},
    {27, Match::team1, 22, 13},
    {27, Match::team2, 23, 14},
    {28, Match::team1, 24, 3},
    {28, Match::team2, 25, 4},
    {29, Match::team1, 26, 5},
    {29, Match::team2, 27, 6},
    {30, Match::team1, 28, 1},
    {30, Match::team2, 29, 2},
}};

void UpdateMatchVars(ModVars &vars)
{
    for (int g = 0; g < kGroupCount; ++g) {
        const QChar letter(u'A' + g);
        QString &runnerUp = vars.MatchTable[kQuarterFinalCells[g].runnerUpRow][Match::team2];
        QString &winner = vars.MatchTable[kQuarterFinalCells[g].winnerRow][Match::team1];
        if (GroupComplete(vars, g)) {
            runnerUp = vars.GroupRanking[g][1];
            winner = vars.GroupRanking[g][0];
        } else {
            runnerUp = QStringLiteral("Runner-up Grp ") + letter;
            winner = QStringLiteral("Winner Grp ") + letter;
        }
    }
}

std::optional<QString> KnockoutWinner(const MatchRow &row)
{
    const auto decide = [&](int first, int second) -> std::optional<QString> {
        const std::int64_t a = ValueOf(row[first]);
        const std::int64_t b = ValueOf(row[second]);
        if (a > b)
            return row[Match::team1];
        if (b > a)
            return row[Match::team2];
        return std::nullopt;
    };
    if (auto w = decide(Match::goals1, Match::goals2))
        return w;
    return decide(Match::penalties1, Match::penalties2);
}

QString SetVarsMatch(ModVars &vars)
{
    struct Step {
        int decided;
        int targetRow;
        int targetSide;
        const char *placeholder;
    };
    static constexpr std::array<Step, 6> kSteps{{
        {24, 28, Match::team1, "Winner #25"},
        {25, 28, Match::team2, "Winner #26"},
        {26, 29, Match::team1, "Winner #27"},
        {27, 29, Match::team2, "Winner #28"},
        {28, 30, Match::team1, "Winner #29"},
        {29, 30, Match::team2, "Winner #30"},
    }};
    for (const Step &s : kSteps)
        vars.MatchTable[s.targetRow][s.targetSide] =
            KnockoutWinner(vars.MatchTable[s.decided]).value_or(QString::fromLatin1(s.placeholder));
    return KnockoutWinner(vars.MatchTable[30]).value_or(QStringLiteral("Winner"));
}

QString GetStringLabel(const QString &goals, const QString &penalties)
{
    if (!penalties.isEmpty())
        return u'(' + penalties + u')' + goals + u' ';
    return goals + u' ';
}

QString SlotText(const ModVars &vars, const BracketSlot &slot)
{
    const MatchRow &row = vars.MatchTable[slot.row];
    const bool first = slot.side == Match::team1;
    return GetStringLabel(row[first ? Match::goals1 : Match::goals2],
                          row[first ? Match::penalties1 : Match::penalties2]) +
           row[slot.side];
}

QString SideSpoken(const MatchRow &row, int side)
{
    const bool first = side == Match::team1;
    const QString &goals = row[first ? Match::goals1 : Match::goals2];
    const QString &penalties = row[first ? Match::penalties1 : Match::penalties2];
    QString spoken = row[side];
    if (!goals.isEmpty())
        spoken += u' ' + goals;
    if (!penalties.isEmpty())
        spoken += QStringLiteral(" (%1 on penalties)").arg(penalties);
    return spoken;
}

QString MatchSpoken(const ModVars &vars, int row)
{
    const MatchRow &match = vars.MatchTable[row];
    return QStringLiteral("Match %1: %2, %3")
        .arg(row + 1)
        .arg(SideSpoken(match, Match::team1), SideSpoken(match, Match::team2));
}

} // namespace fixturo
