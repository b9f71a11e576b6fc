#include "groups/Ranking.h"

#include <utility>

namespace fixturo {

std::optional<int> groupMatchBetween(const Championship &championship, const QString &teamA,
                                     const QString &teamB)
{
    for (int r = 0; r < kGroupMatchCount; ++r) {
        const Match &m = championship.matches[r];
        if ((m.team1 == teamA && m.team2 == teamB) || (m.team1 == teamB && m.team2 == teamA))
            return r;
    }
    return std::nullopt;
}

std::int64_t goalDifference(const Championship &championship, const QString &team)
{
    for (int i = 0; i < kTeamsPerGroup; ++i)
        for (const GroupTable &table : championship.groupTables)
            if (table[i].team == team)
                return clampedValue(table[i].goalsFor) - clampedValue(table[i].goalsAgainst);
    return 0;
}

namespace {

void compareNeighbours(const Championship &championship, GroupTable &table, int j)
{
    const auto points = [&](int row) { return clampedValue(table[row].points); };
    if (points(j + 1) > points(j))
        std::swap(table[j], table[j + 1]);
    if (points(j + 1) != points(j))
        return;

    const QString t1 = table[j].team;
    const QString t2 = table[j + 1].team;
    const std::optional<int> row = groupMatchBetween(championship, t1, t2);
    if (!row)
        return; // no match between them: nothing decides, keep the order
    const Match &m = championship.matches[*row];
    // An unplayed match reads as level, whatever the second box holds.
    const std::int64_t g1 = m.played() ? valueOf(m.score.goals1) : 0;
    const std::int64_t g2 = m.played() ? valueOf(m.score.goals2) : 0;

    const auto byGoalDifference = [&] {
        if (goalDifference(championship, t1) < goalDifference(championship, t2))
            std::swap(table[j], table[j + 1]);
    };
    if (m.team1 == t1) {
        if (g2 > g1)
            std::swap(table[j], table[j + 1]);
        else if (g2 == g1)
            byGoalDifference();
    } else if (m.team1 == t2) {
        if (g2 < g1)
            std::swap(table[j], table[j + 1]);
        else if (g2 == g1)
            byGoalDifference();
    }
}

} // namespace

void rankGroup(const Championship &championship, GroupTable &table)
{
    for (int last = kTeamsPerGroup - 2; last >= 0; --last)
        for (int j = 0; j <= last; ++j)
            compareNeighbours(championship, table, j);
}

void applyManualOrder(Championship &championship)
{
    const QStringList names = championship.manualOrder.listedNames();
    for (int g = 0; g < kGroupCount; ++g) {
        if (names.size() < kTeamsPerGroup * (g + 1))
            break; // this group and the ones after it are not listed in full
        GroupTable &table = championship.groupTables[g];
        for (int place = 0; place < kTeamsPerGroup; ++place) {
            const QString &wanted = names[kTeamsPerGroup * g + place];
            for (int i = 1; i < kTeamsPerGroup; ++i)
                if (table[i].team == wanted && i != place)
                    std::swap(table[place], table[i]);
        }
    }
}

void sortGroups(Championship &championship)
{
    if (championship.manualOrder.isOn()) {
        applyManualOrder(championship);
        return;
    }
    for (GroupTable &table : championship.groupTables)
        rankGroup(championship, table);
}

void recordGroupOrder(Championship &championship)
{
    for (int g = 0; g < kGroupCount; ++g)
        for (int k = 0; k < kTeamsPerGroup; ++k)
            championship.groupOrder[g][k] = championship.groupTables[g][k].team;
}

} // namespace fixturo
