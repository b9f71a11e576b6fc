#include "groups/Ranking.h"

#include <algorithm>
#include <utility>

namespace fixturo {

void Swap(GroupTable &aData, int iRow1, int iRow2)
{
    std::swap(aData[iRow1], aData[iRow2]);
}

std::optional<int> GetNumberIndexMAtch(const ModVars &vars, const QString &teama, const QString &teamb)
{
    for (int r = 0; r < kGroupMatchCount; ++r) {
        const MatchRow &m = vars.MatchTable[r];
        if ((m[Match::team1] == teama && m[Match::team2] == teamb) ||
            (m[Match::team1] == teamb && m[Match::team2] == teama))
            return r;
    }
    return std::nullopt;
}

std::int64_t GetDiffGoals(const ModVars &vars, const QString &team)
{
    for (int i = 0; i < kTeamsPerGroup; ++i)
        for (const GroupTable &table : vars.GroupTeams)
            if (table[i][Col::Name] == team)
                return ValueOf(table[i][Col::GF]) - ValueOf(table[i][Col::GA]);
    return 0;
}

namespace {

void CompareNeighbours(ModVars &vars, GroupTable &lista, int j)
{
    if (ValueOf(lista[j + 1][Col::Pts]) > ValueOf(lista[j][Col::Pts]))
        Swap(lista, j, j + 1);
    if (ValueOf(lista[j + 1][Col::Pts]) != ValueOf(lista[j][Col::Pts]))
        return;

    const QString t1 = lista[j][Col::Name];
    const QString t2 = lista[j + 1][Col::Name];
    const std::optional<int> m = GetNumberIndexMAtch(vars, t1, t2);
    if (!m)
        return; // no match between them: nothing decides, keep the order
    const MatchRow &row = vars.MatchTable[*m];
    // A match whose first goal box is empty is not played, as in the
    // standings: it reads as level, whatever the second box holds.
    const bool played = !row[Match::goals1].isEmpty();
    const std::int64_t g1 = played ? ValueOf(row[Match::goals1]) : 0;
    const std::int64_t g2 = played ? ValueOf(row[Match::goals2]) : 0;

    const auto byGoalDifference = [&] {
        if (GetDiffGoals(vars, t1) < GetDiffGoals(vars, t2))
            Swap(lista, j, j + 1);
    };
    if (row[Match::team1] == t1) {
        if (g2 > g1)
            Swap(lista, j, j + 1);
        else if (g2 == g1)
            byGoalDifference();
    } else if (row[Match::team1] == t2) {
        if (g2 < g1)
            Swap(lista, j, j + 1);
        else if (g2 == g1)
            byGoalDifference();
    }
}

} // namespace

void BubbleSort(ModVars &vars, GroupTable &lista, int elementi)
{
    elementi = std::clamp(elementi, 0, kTeamsPerGroup - 1);
    for (int i = elementi - 1; i >= 0; --i)
        for (int j = 0; j <= i; ++j)
            CompareNeighbours(vars, lista, j);
}

void SetRankGroupA(ModVars &vars)
{
    for (int k = 0; k < kTeamsPerGroup; ++k)
        for (int g = 0; g < kGroupCount; ++g)
            vars.GroupRanking[g][k] = vars.GroupTeams[g][k][Col::Name];
}

} // namespace fixturo
