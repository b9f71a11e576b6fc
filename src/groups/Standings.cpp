#include "groups/Standings.h"

namespace fixturo {

namespace {

int GroupIndexOf(const QString &label)
{
    for (int g = 0; g < kGroupCount; ++g)
        if (label == GroupLabel(g))
            return g;
    return -1;
}

void Add(QString &cell, std::int64_t amount)
{
    cell = QString::number(ValueOf(cell) + amount);
}

} // namespace

GroupTable *GroupTableOf(ModVars &vars, const QString &strgroup)
{
    const int g = GroupIndexOf(strgroup);
    return g < 0 ? nullptr : &vars.GroupTeams[g];
}

std::optional<int> GetIndexGroup(const ModVars &vars, const QString &strgroup, const QString &strteam)
{
    const int g = GroupIndexOf(strgroup);
    if (g < 0)
        return std::nullopt;
    std::optional<int> found;
    for (int i = 0; i < kTeamsPerGroup; ++i)
        if (vars.GroupTeams[g][i][Col::Name] == strteam)
            found = i;
    return found;
}

void SetStatisticVars(ModVars &vars)
{
    for (GroupTable &table : vars.GroupTeams)
        for (auto &row : table)
            for (int c = Col::Pts; c < Col::ColumnCount; ++c)
                row[c] = QStringLiteral("0");

    for (int i = 0; i < kGroupMatchCount; ++i) {
        const MatchRow &m = vars.MatchTable[i];
        const QString &g = m[Match::group];
        GroupTable *table = GroupTableOf(vars, g);
        if (!table)
            continue;
        auto &a = (*table)[GetIndexGroup(vars, g, m[Match::team1]).value_or(0)];
        auto &b = (*table)[GetIndexGroup(vars, g, m[Match::team2]).value_or(0)];
        if (m[Match::goals1].isEmpty())
            continue; // not played: nothing counts, goals neither
        const std::int64_t x = ValueOf(m[Match::goals1]);
        const std::int64_t y = ValueOf(m[Match::goals2]);
        if (x > y) {
            Add(a[Col::Pts], 3);
            Add(a[Col::W], 1);
            Add(b[Col::L], 1);
        } else if (x == y) {
            Add(a[Col::Pts], 1);
            Add(a[Col::D], 1);
            Add(b[Col::Pts], 1);
            Add(b[Col::D], 1);
        } else {
            Add(a[Col::L], 1);
            Add(b[Col::Pts], 3);
            Add(b[Col::W], 1);
        }
        Add(a[Col::GF], x);
        Add(a[Col::GA], y);
        Add(b[Col::GF], y);
        Add(b[Col::GA], x);
    }
}

} // namespace fixturo
