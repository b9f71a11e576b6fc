#include "support/TestSupport.h"

#include "app/Refresh.h"
#include "groups/Ranking.h"
#include "groups/Standings.h"

using namespace fixturo;
using namespace fixturo::test;

namespace {

// Points, won, drawn, lost, goals for and against, printed as one tuple.
auto numbers(const Standing &s)
{
    return std::tuple{s.points, s.won, s.drawn, s.lost, s.goalsFor, s.goalsAgainst};
}

// The standing of a team, searched in all four tables.
Standing standingOf(const Championship &championship, const QString &team)
{
    for (const GroupTable &table : championship.groupTables)
        for (const Standing &standing : table)
            if (standing.team == team)
                return standing;
    return {};
}

// Group A's and B's teams.
const QString por = "Portugal", tur = "Turkey", sui = "Switzerland", cze = "Czech Republic";
const QString aut = "Austria", cro = "Croatia", ger = "Germany", pol = "Poland";

} // namespace

TEST(Standings, OnlyPlayedGroupMatchesCountForTheTeamsTheyName)
{
    Championship championship = initialChampionship();
    championship.matches[0].score = {"2", "1"};  // Switzerland - Czech Republic
    championship.matches[1].score = {"0", "0"};  // Portugal - Turkey
    championship.matches[9].score = {"1", "3"};  // Switzerland - Turkey
    championship.matches[17].score = {"", "3"};  // Turkey - Czech Republic: goals1 empty, not played
    championship.matches[2].score = {"4", ""};   // Austria - Croatia: goals1 alone is a 4-0
    championship.matches[24].score = {"9", "0"}; // knockout results never count
    std::swap(championship.groupTables[1][0], championship.groupTables[1][3]);
    recomputeStandings(championship);
    recomputeStandings(championship); // counted again from nothing
    // clang-format off
    const Standing expected[] = {
        {.team = sui, .points = 3, .won = 1, .lost = 1, .goalsFor = 3, .goalsAgainst = 4},
        {.team = cze, .lost = 1, .goalsFor = 1, .goalsAgainst = 2},
        {.team = tur, .points = 4, .won = 1, .drawn = 1, .goalsFor = 3, .goalsAgainst = 1},
        {.team = por, .points = 1, .drawn = 1},
        {.team = aut, .points = 3, .won = 1, .goalsFor = 4},
        {.team = cro, .lost = 1, .goalsAgainst = 4},
    };
    // clang-format on
    for (const Standing &e : expected) {
        SCOPED_TRACE(e.team.toStdString());
        EXPECT_EQ(numbers(standingOf(championship, e.team)), numbers(e));
    }
}

// Group A's results, each with the first team of its fixture named first, group
// A's table before the refresh and the manual order: groups A and B after it.
// Switched on, the manual order orders the tables whatever the results, as far
// as it names a group's teams in full; a name listed twice or unknown leaves
// the place as it is.
TEST(Ranking, PointsThenHeadToHeadThenGoalDifferenceOrTheManualOrder)
{
    struct Result {
        QString team1;
        Score score;
        QString team2;
    };
    struct Case {
        const char *name;
        QList<Result> results;
        QStringList start;
        const char *manualOrder;
        QStringList groupA, groupB;
    };
    const QStringList fixture = {por, tur, sui, cze}, groupB = {aut, cro, ger, pol};
    const char *const off = ManualOrder::kInitialText;
    const QList<Result> turkeyFirst = {{por, {"0", "5"}, tur}};
    // clang-format off
    const Case cases[] = {
        {.name = "points, from the reverse order: every pass", .results = {{por, {"1", "0"}, tur}, {sui, {"0", "1"}, por}, {cze, {"0", "1"}, por}, {sui, {"0", "1"}, tur}, {tur, {"1", "0"}, cze}, {sui, {"1", "0"}, cze}}, .start = {cze, sui, tur, por}, .manualOrder = off, .groupA = {por, tur, sui, cze}, .groupB = groupB},
        {.name = "head-to-head over goal difference", .results = {{por, {"0", "1"}, tur}, {cze, {"0", "5"}, por}}, .start = fixture, .manualOrder = off, .groupA = {tur, por, sui, cze}, .groupB = groupB},
        {.name = "head-to-head, lower team named first", .results = {{por, {"2", "0"}, tur}, {cze, {"1", "0"}, por}, {sui, {"0", "5"}, tur}}, .start = {tur, por, sui, cze}, .manualOrder = off, .groupA = {por, tur, cze, sui}, .groupB = groupB},
        {.name = "level head-to-head", .results = {{por, {"1", "1"}, tur}, {sui, {"0", "4"}, tur}, {cze, {"0", "3"}, por}}, .start = fixture, .manualOrder = off, .groupA = {tur, por, cze, sui}, .groupB = groupB},
        {.name = "unplayed head-to-head", .results = {{sui, {"0", "2"}, tur}, {cze, {"0", "1"}, por}}, .start = fixture, .manualOrder = off, .groupA = {tur, por, cze, sui}, .groupB = groupB},
        {.name = "goal difference by value, 10 over 2", .results = {{cze, {"0", "10"}, por}, {sui, {"0", "2"}, tur}}, .start = {tur, por, sui, cze}, .manualOrder = off, .groupA = {por, tur, sui, cze}, .groupB = groupB},
        {.name = "equal difference keeps the order", .results = {{por, {"1", "1"}, tur}, {cze, {"0", "1"}, por}, {sui, {"2", "3"}, tur}}, .start = fixture, .manualOrder = off, .groupA = {por, tur, sui, cze}, .groupB = groupB},
        {.name = "cycle keeps the order", .results = {{por, {"1", "0"}, tur}, {sui, {"0", "1"}, tur}, {sui, {"1", "0"}, por}}, .start = {sui, por, tur, cze}, .manualOrder = off, .groupA = {sui, por, tur, cze}, .groupB = groupB},
        {.name = "a match without its first goals is not played", .results = {{sui, {"", "3"}, cze}}, .start = fixture, .manualOrder = off, .groupA = fixture, .groupB = groupB},
        {.name = "every group listed", .results = turkeyFirst, .start = fixture, .manualOrder = "1,Czech Republic,Switzerland,Turkey,Portugal,Poland,Germany,Croatia,Austria,France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden", .groupA = {cze, sui, tur, por}, .groupB = {pol, ger, cro, aut}},
        {.name = "a name listed twice", .results = turkeyFirst, .start = fixture, .manualOrder = "1,Turkey,Turkey,Switzerland,Czech Republic", .groupA = {tur, por, sui, cze}, .groupB = groupB},
        {.name = "a group listed in part", .results = turkeyFirst, .start = fixture, .manualOrder = "1,Turkey,Portugal", .groupA = {por, tur, sui, cze}, .groupB = groupB},
        {.name = "unknown names", .results = turkeyFirst, .start = fixture, .manualOrder = "1,Nobody,portugal,Czech Republic,Turkey", .groupA = {por, sui, cze, tur}, .groupB = groupB},
        {.name = "names beyond the sixteen", .results = turkeyFirst, .start = fixture, .manualOrder = "1,Czech Republic,Switzerland,Turkey,Portugal,Poland,Germany,Croatia,Austria,France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden,Brazil,Chile,Peru,Togo", .groupA = {cze, sui, tur, por}, .groupB = {pol, ger, cro, aut}},
        {.name = "the next group listed in part", .results = turkeyFirst, .start = fixture, .manualOrder = "1,Czech Republic,Switzerland,Turkey,Portugal,Croatia", .groupA = {cze, sui, tur, por}, .groupB = groupB},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Championship championship = initialChampionship();
        for (const Result &r : c.results)
            championship.matches[groupMatchBetween(championship, r.team1, r.team2).value()].score = r.score;
        for (int i = 0; i < kTeamsPerGroup; ++i)
            championship.groupTables[0][i].team = c.start[i];
        championship.manualOrder.readText(QString::fromLatin1(c.manualOrder));
        refreshAfterEdit(championship, {});
        EXPECT_EQ(teamOrder(championship, 0), c.groupA);
        EXPECT_EQ(teamOrder(championship, 1), c.groupB);
    }
}

TEST(ManualOrder, APickedTeamLeavesTheOtherListsOfItsOwnGroupOnly)
{
    ManualChoices choices;
    choices.fill("Croatia");
    choices[2] = "Austria";
    keepUnique(choices, 1, 2);
    for (int k = 0; k < kGroupCount * kTeamsPerGroup; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(choices[k].isEmpty(), k / kTeamsPerGroup == 1 && k != 6);
    }
}
