#include "groups/Standings.h"

#include <array>

namespace fixturo {

namespace {

// The group of a label "Group A".."Group D" (exact comparison), or -1. Reads
// the label in place: the refresh cycle asks this three times per match.
int groupOfLabel(const QString &label)
{
    constexpr qsizetype kPrefixLength = 6; // "Group "
    if (label.size() != kPrefixLength + 1 || !label.startsWith(QLatin1String("Group ")))
        return -1;
    const int g = label[kPrefixLength].unicode() - u'A';
    return g >= 0 && g < kGroupCount ? g : -1;
}

// Each addition reads the sum so far clamped to +-kNumberLimit, as a table
// cell reads back, so that sums of huge scores never overflow.
void add(std::int64_t &tally, std::int64_t amount)
{
    tally = clampedValue(tally) + amount;
}

} // namespace

std::optional<int> rowOfTeam(const Championship &championship, const QString &groupLabel, const QString &team)
{
    const int g = groupOfLabel(groupLabel);
    if (g < 0)
        return std::nullopt;
    std::optional<int> found;
    for (int i = 0; i < kTeamsPerGroup; ++i)
        if (championship.groupTables[g][i].team == team)
            found = i;
    return found;
}

void recomputeStandings(Championship &championship)
{
    std::array<GroupTable, kGroupCount> tables = championship.groupTables;
    for (GroupTable &table : tables)
        for (Standing &s : table)
            s = Standing{s.team};

    for (int i = 0; i < kGroupMatchCount; ++i) {
        const Match &m = championship.matches[i];
        const int group = groupOfLabel(m.group);
        if (group < 0)
            continue;
        Standing &a = tables[group][rowOfTeam(championship, m.group, m.team1).value_or(0)];
        Standing &b = tables[group][rowOfTeam(championship, m.group, m.team2).value_or(0)];
        if (!m.played())
            continue; // nothing counts, goals neither
        const std::int64_t x = valueOf(m.score.goals1);
        const std::int64_t y = valueOf(m.score.goals2);
        if (x > y) {
            add(a.points, 3);
            add(a.won, 1);
            add(b.lost, 1);
        } else if (x == y) {
            add(a.points, 1);
            add(a.drawn, 1);
            add(b.points, 1);
            add(b.drawn, 1);
        } else {
            add(a.lost, 1);
            add(b.points, 3);
            add(b.won, 1);
        }
        add(a.goalsFor, x);
        add(a.goalsAgainst, y);
        add(b.goalsFor, y);
        add(b.goalsAgainst, x);
    }
    championship.groupTables = tables;
}

} // namespace fixturo
