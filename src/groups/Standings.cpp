#include "groups/Standings.h"

#include <algorithm>
#include <array>

namespace fixturo {

namespace {

// The group of a label "Group A".."Group D" (exact comparison), or -1. Reads
// the label in place: the refresh cycle asks this three times per match.
int GroupIndexOf(const QString &label)
{
    constexpr qsizetype kPrefixLength = 6; // "Group "
    if (label.size() != kPrefixLength + 1 || !label.startsWith(QLatin1String("Group ")))
        return -1;
    const int g = label[kPrefixLength].unicode() - u'A';
    return g >= 0 && g < kGroupCount ? g : -1;
}

// One statistic while the matches are counted. Each addition reads the sum so
// far as the text cell would be read back (ValueOf clamps it to
// +-kNumberLimit), so the tallies end as the cells would, added one by one.
using Tally = std::int64_t;
using GroupTallies = std::array<std::array<Tally, Col::ColumnCount>, kTeamsPerGroup>;

void Add(Tally &tally, std::int64_t amount)
{
    tally = std::clamp(tally, -kNumberLimit, kNumberLimit) + amount;
}

} // namespace

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
    std::array<GroupTallies, kGroupCount> tallies{};

    for (int i = 0; i < kGroupMatchCount; ++i) {
        const MatchRow &m = vars.MatchTable[i];
        const QString &g = m[Match::group];
        const int group = GroupIndexOf(g);
        if (group < 0)
            continue;
        auto &a = tallies[group][GetIndexGroup(vars, g, m[Match::team1]).value_or(0)];
        auto &b = tallies[group][GetIndexGroup(vars, g, m[Match::team2]).value_or(0)];
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

    // Written once per cell: the texts are what the tables show and store.
    for (int group = 0; group < kGroupCount; ++group)
        for (int row = 0; row < kTeamsPerGroup; ++row)
            for (int c = Col::Pts; c < Col::ColumnCount; ++c) {
                const Tally t = tallies[group][row][c];
                vars.GroupTeams[group][row][c] = t == 0 ? QStringLiteral("0") : QString::number(t);
            }
}

} // namespace fixturo
