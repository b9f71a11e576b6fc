#include "support/TestSupport.h"

#include "app/Refresh.h"
#include "groups/OutlookLines.h"

#include <random>
#include <set>

using namespace fixturo;
using namespace fixturo::test;

namespace {

// "234": the places a team can still finish.
QString placeDigits(const TeamOutlook &team)
{
    QString text;
    for (int k = 0; k < kTeamsPerGroup; ++k)
        if (team.places[k])
            text += QString::number(k + 1);
    return text;
}

const TeamOutlook *find(const GroupOutlook &outlook, const QString &team)
{
    for (const TeamOutlook &t : outlook.teams)
        if (t.team == team)
            return &t;
    return nullptr;
}

std::set<QStringList> tieSets(const GroupOutlook &outlook)
{
    std::set<QStringList> sets;
    for (OpenTie tie : outlook.openTies) {
        tie.teams.sort();
        sets.insert(tie.teams);
    }
    return sets;
}

// The real championship after the second matchday: rows 0-15 played.
Championship afterMatchdayTwo()
{
    Championship championship;
    startUp(championship, FIXTURO_TEST_DATA "/full_tournament.txt", {});
    for (int r = 16; r < kMatchCount; ++r)
        championship.matches[r].score = {};
    refreshAfterEdit(championship, {});
    return championship;
}

// Group A with every match played as given (rows 0, 1, 8, 9, 16, 17).
Championship finishedGroupA(const std::array<Score, 6> &scores)
{
    Championship championship = initialChampionship();
    for (int i = 0; i < 6; ++i)
        championship.matches[groupMatchRows(0)[i]].score = scores[i];
    refreshAfterEdit(championship, {});
    return championship;
}

} // namespace

// Worked out by hand from the real results after two matchdays (points, goal
// difference; the ranking starts from the refreshed order, so a tie the rules
// leave open keeps it):
// A: Portugal 6 beat both rivals; Turkey 3 (-1) and Czech Republic 3 (-1) meet:
//    the winner is second; a draw leaves them level in all, Turkey stays ahead.
// B: Croatia 6 beat Germany; Germany 3 is second with a draw (it beat Poland);
//    Austria 1 and Poland 1 (drew) need a win and the other to win too, then
//    goal difference decides, and may not.
// C: Netherlands 6; Romania 2 (0) is second with a win, or with a draw if
//    France - Italy is drawn, or with a narrow defeat if it is drawn too (the
//    three on 2 points, all drawn between them, France and Italy on -3): a
//    defeat by 3 leaves Romania level in all with both. France needs a win and
//    Romania not to win; Italy as well, or a draw and Romania losing by 4 or more.
// D: Spain 6 beat both; Sweden 3 (+1) and Russia 3 (-2) meet: a draw keeps
//    Sweden ahead on goal difference. Greece and Switzerland lost to both rivals.
TEST(Outlook, RealChampionshipAfterTheSecondMatchday)
{
    struct Expected {
        int group;
        const char *team;
        const char *places;
        Need need;
    };
    // clang-format off
    const Expected expected[] = {
        {.group = 0, .team = "Portugal", .places = "1", .need = Need::ThroughWhatever},
        {.group = 0, .team = "Turkey", .places = "23", .need = Need::DrawEnough},
        {.group = 0, .team = "Czech Republic", .places = "23", .need = Need::NeedsWin},
        {.group = 0, .team = "Switzerland", .places = "4", .need = Need::OutWhatever},
        {.group = 1, .team = "Croatia", .places = "1", .need = Need::ThroughWhatever},
        {.group = 1, .team = "Germany", .places = "234", .need = Need::DrawEnough},
        {.group = 1, .team = "Austria", .places = "234", .need = Need::NeedsWinAndOtherResult},
        {.group = 1, .team = "Poland", .places = "234", .need = Need::NeedsWinAndOtherResult},
        {.group = 2, .team = "Netherlands", .places = "1", .need = Need::ThroughWhatever},
        {.group = 2, .team = "Romania", .places = "234", .need = Need::WinEnough},
        {.group = 2, .team = "France", .places = "234", .need = Need::NeedsWinAndOtherResult},
        {.group = 2, .team = "Italy", .places = "234", .need = Need::NeedsOtherResult},
        {.group = 3, .team = "Spain", .places = "1", .need = Need::ThroughWhatever},
        {.group = 3, .team = "Sweden", .places = "23", .need = Need::DrawEnough},
        {.group = 3, .team = "Russia", .places = "23", .need = Need::NeedsWin},
        {.group = 3, .team = "Greece", .places = "4", .need = Need::OutWhatever},
    };
    // clang-format on
    const Championship championship = afterMatchdayTwo();
    std::array<GroupOutlook, kGroupCount> outlooks;
    for (int g = 0; g < kGroupCount; ++g)
        outlooks[g] = groupOutlook(championship, g);
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.team);
        const TeamOutlook *team = find(outlooks[e.group], e.team);
        ASSERT_NE(team, nullptr);
        EXPECT_EQ(placeDigits(*team), e.places);
        EXPECT_EQ(needText(team->need), needText(e.need));
    }
    const std::array<std::set<QStringList>, kGroupCount> ties{{
        {{"Czech Republic", "Turkey"}},
        {{"Austria", "Poland"}},
        {{"Italy", "Romania"}, {"France", "Romania"}, {"France", "Italy"}},
        {},
    }};
    for (int g = 0; g < kGroupCount; ++g)
        EXPECT_EQ(tieSets(outlooks[g]), ties[g]) << "group " << g;
}

TEST(Outlook, StatusFollowsThePlaces)
{
    const Championship championship = afterMatchdayTwo();
    const GroupOutlook a = groupOutlook(championship, 0);
    EXPECT_EQ(find(a, "Portugal")->status, TeamStatus::CertainWinner);
    EXPECT_EQ(find(a, "Turkey")->status, TeamStatus::Open);
    EXPECT_EQ(find(a, "Switzerland")->status, TeamStatus::Out);
}

// Random part-played groups, small scores: the shortcuts (one ranking per
// sign vector of the compared goal differences, the last margin by its roots,
// the others near the arrangement's vertices or in full) against every margin
// tuple up to 12.
TEST(Outlook, AgreesWithEveryMarginUpToTwelve)
{
    std::mt19937 random(2008);
    for (int trial = 0; trial < 100; ++trial) {
        SCOPED_TRACE(trial);
        Championship championship = initialChampionship();
        const int group = static_cast<int>(random() % kGroupCount);
        const int unplayed = 1 + static_cast<int>(random() % 3);
        std::array<int, 6> order{0, 1, 2, 3, 4, 5};
        std::shuffle(order.begin(), order.end(), random);
        for (int i = unplayed; i < 6; ++i)
            championship.matches[groupMatchRows(group)[order[i]]].score = {QString::number(random() % 4),
                                                                           QString::number(random() % 4)};
        refreshAfterEdit(championship, {});
        const GroupOutlook slow = groupOutlookByBruteForce(championship, group, 12);
        for (const std::int64_t fullSearchLimit : {std::int64_t{4096}, std::int64_t{0}}) {
            const GroupOutlook fast = groupOutlook(championship, group, fullSearchLimit);
            for (int t = 0; t < kTeamsPerGroup; ++t) {
                EXPECT_EQ(placeDigits(fast.teams[t]), placeDigits(slow.teams[t]));
                EXPECT_EQ(needText(fast.teams[t].need), needText(slow.teams[t].need));
            }
            EXPECT_EQ(tieSets(fast), tieSets(slow));
        }
    }
}

TEST(Outlook, TiesTheRulesCannotSettle)
{
    struct Case {
        const char *name;
        std::array<Score, 6> scores; // Sui-Cze, Por-Tur, Cze-Por, Sui-Tur, Sui-Por, Tur-Cze
        std::set<QStringList> ties;
    };
    // clang-format off
    const Case cases[] = {
        {.name = "level in all, second and third", .scores = {{{"0", "1"}, {"1", "1"}, {"1", "0"}, {"0", "1"}, {"0", "1"}, {"0", "1"}}}, .ties = {{"Portugal", "Turkey"}}},
        {.name = "level in all, third and fourth", .scores = {{{"0", "1"}, {"1", "1"}, {"1", "0"}, {"1", "0"}, {"0", "0"}, {"2", "1"}}}, .ties = {}},
        {.name = "separated by goal difference", .scores = {{{"0", "1"}, {"1", "1"}, {"1", "0"}, {"0", "2"}, {"0", "1"}, {"0", "1"}}}, .ties = {}},
        {.name = "three beat one another", .scores = {{{"1", "0"}, {"1", "0"}, {"1", "0"}, {"1", "0"}, {"0", "1"}, {"0", "1"}}}, .ties = {{"Czech Republic", "Portugal", "Switzerland"}}},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tieSets(groupOutlook(finishedGroupA(c.scores), 0)), c.ties);
    }
}

TEST(Outlook, ManualOrderDecidesThePlaces)
{
    Championship championship = initialChampionship();
    ManualChoices choices = championship.manualOrder.choices();
    std::reverse(choices.begin(), choices.begin() + kTeamsPerGroup);
    championship.manualOrder.set(true, choices);
    refreshAfterEdit(championship, {});
    const GroupOutlook outlook = groupOutlook(championship, 0);
    EXPECT_TRUE(outlook.imposedOrder);
    EXPECT_TRUE(outlook.openTies.empty());
    EXPECT_EQ(placeDigits(*find(outlook, "Czech Republic")), "1");
    EXPECT_EQ(placeDigits(*find(outlook, "Portugal")), "4");
    EXPECT_EQ(find(outlook, "Portugal")->need, Need::OutWhatever);
}
