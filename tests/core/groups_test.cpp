#include "test_util.h"

#include "groups/GroupLines.h"

#include <QHash>

using namespace fixturo;
using namespace fixturo::test;

namespace {

// The numbers of a team's row, found by its group label and name.
QString Stats(const ModVars &vars, int group, const QString &team)
{
    const int i = GetIndexGroup(vars, QStringLiteral("Group ") + QChar(u'A' + group), team).value();
    return QStringList(vars.GroupTeams[group][i].begin() + Col::Pts, vars.GroupTeams[group][i].end())
        .join(u' ');
}

} // namespace

TEST(Standings, CountPlayedGroupMatchesForTheNamedTeamAndLineUpInTheTable)
{
    ModVars vars = FreshState();
    SetScore(vars, 0, "2", "1");  // Switzerland - Czech Republic
    SetScore(vars, 1, "0", "0");  // Portugal - Turkey
    SetScore(vars, 9, "1", "3");  // Switzerland - Turkey
    SetScore(vars, 17, "", "3");  // Turkey - Czech Republic: goals1 empty, not played
    SetScore(vars, 2, "4", "");   // Austria - Croatia: goals1 alone is a 4-0
    SetScore(vars, 24, "9", "0"); // knockout results never count
    Swap(vars.GroupTeams[1], 0, 3);
    SetStatisticVars(vars);
    SetStatisticVars(vars);
    // clang-format off
    for (const auto &[group, team, stats] : {std::tuple{0, "Switzerland", "3 1 0 1 3 4"}, {0, "Czech Republic", "0 0 0 1 1 2"},
             {0, "Turkey", "4 1 1 0 3 1"}, {0, "Portugal", "1 0 1 0 0 0"}, {1, "Austria", "3 1 0 0 4 0"}, {1, "Croatia", "0 0 0 1 0 4"}})
        // clang-format on
        EXPECT_EQ(Stats(vars, group, team), stats) << team;

    for (const char *label : {"Group E", "Group @", "Group a", "Group AB", "Group"}) {
        vars.MatchTable[9][Match::group] = label; // a label that names no group counts for nothing
        SetStatisticVars(vars);
        EXPECT_EQ(Stats(vars, 0, "Turkey"), "1 0 1 0 0 0") << label;
    }
    EXPECT_FALSE(GetIndexGroup(vars, "Group A", "czech republic") ||
                 GetIndexGroup(vars, "Group B", "Portugal"));
    // A table line: goals for and against two spaces apart after a one-digit number, else one.
    EXPECT_EQ(StatisticsLine({"Spain", "10", "3", "1", "0", "9", "2"}) + "|" + GetStrinGoal("12", "3") + "|" +
                  GetStrinGoal("", "3") + "|" + GetStrinGoal("100", ""),
              "10  3 1 0 9  2|12 3| 3|100 ");
}

// Group A as initials (Portugal, Turkey, Switzerland, Czech Republic): the results
// "PT1-0 ..." of the rows where the first team is named first, the table before
// the sort, the table after it.
TEST(Ranking, PointsThenHeadToHeadThenGoalDifference)
{
    // clang-format off
    const std::tuple<const char *, const char *, const char *, const char *> cases[] = {
        {"no results", "", "PTSC", "PTSC"},
        {"points, from the reverse order: every pass", "PT1-0 SP0-1 CP0-1 ST0-1 TC1-0 SC1-0", "CSTP", "PTSC"},
        {"head-to-head over goal difference", "PT0-1 CP0-5", "PTSC", "TPSC"},
        {"head-to-head, lower team named first", "PT2-0 CP1-0 ST0-5", "TPSC", "PTCS"},
        {"level head-to-head", "PT1-1 ST0-4 CP0-3", "PTSC", "TPCS"},
        {"level head-to-head, lower team named first", "PT1-1 SP0-4 TC3-0", "TPSC", "PTCS"},
        {"unplayed head-to-head", "ST0-2 CP0-1", "PTSC", "TPCS"},
        {"unplayed head-to-head, lower team named first", "SP0-2 TC1-0", "TPSC", "PTCS"},
        {"goal difference by value, 10 over 2", "CP0-10 ST0-2", "TPSC", "PTSC"},
        {"equal difference keeps the order", "PT1-1 CP0-1 ST2-3", "PTSC", "PTSC"},
        {"cycle keeps the order", "PT1-0 ST0-1 SP1-0", "SPTC", "SPTC"},
        {"a match without its first goals is not played", "SC-3", "PTSC", "PTSC"},
    };
    // clang-format on
    const QHash<QChar, QString> team{
        {u'P', "Portugal"}, {u'T', "Turkey"}, {u'S', "Switzerland"}, {u'C', "Czech Republic"}};
    for (const auto &[name, results, start, ranked] : cases) {
        ModVars vars = FreshState();
        for (const QString &r : QString::fromLatin1(results).split(u' ', Qt::SkipEmptyParts))
            SetScore(vars, RowOf(vars, team[r[0]], team[r[1]]), r.mid(2).section(u'-', 0, 0),
                     r.section(u'-', 1));
        for (int i = 0; i < kTeamsPerGroup; ++i)
            vars.GroupTeams[0][i][Col::Name] = team[QChar::fromLatin1(start[i])];
        SetStatisticVars(vars);
        BubbleSort(vars, vars.GroupTeams[0], 3);
        QString initials;
        for (const QString &n : Order(vars, 0))
            initials += team.key(n);
        EXPECT_EQ(initials, ranked) << name;
    }
}

// Switched on, the list orders the tables whatever the results, as far as it names a
// group's teams in full; a name listed twice or unknown leaves the place as it is.
TEST(ManualOrder, TheListedOrderReplacesTheRanking)
{
    const QStringList ptsc{"Portugal", "Turkey", "Switzerland", "Czech Republic"},
        acgp{"Austria", "Croatia", "Germany", "Poland"};
    // clang-format off
    const std::tuple<const char *, QStringList, QStringList> cases[] = {
        {"1,Czech Republic,Switzerland,Turkey,Portugal,Poland,Germany,Croatia,Austria,France,Italy,Netherlands,Romania,"
         "Greece,Russia,Spain,Sweden", {"Czech Republic", "Switzerland", "Turkey", "Portugal"}, {"Poland", "Germany", "Croatia", "Austria"}},
        {"1,Turkey,Turkey,Switzerland,Czech Republic", {"Turkey", "Portugal", "Switzerland", "Czech Republic"}, acgp},
        {"1,Turkey,Portugal", ptsc, acgp}, {"", ptsc, acgp}, {"1,Nobody,portugal,Czech Republic,Turkey", {"Portugal", "Switzerland", "Czech Republic", "Turkey"}, acgp},
        {"1,Czech Republic,Switzerland,Turkey,Portugal,Croatia", {"Czech Republic", "Switzerland", "Turkey", "Portugal"}, acgp}};
    // clang-format on
    for (const auto &[list, groupA, groupB] : cases) {
        ModVars vars = FreshState();
        SetScore(vars, 1, "0", "5"); // Portugal - Turkey: Turkey first by the results
        vars.TeamList = list;
        vars.ManualOrderFlag = 1;
        DialogRefreshSequence(vars, {});
        EXPECT_EQ(Order(vars, 0) + Order(vars, 1), groupA + groupB) << list;
    }
}

TEST(ManualOrder, APickedTeamLeavesTheOtherListsOfItsOwnGroupOnly)
{
    ManualChoices choices;
    choices.fill("Croatia");
    KeepUnique(choices, 1, 2);
    for (int k = 0; k < kGroupCount * kTeamsPerGroup; ++k)
        EXPECT_EQ(choices[k].isEmpty(), k / kTeamsPerGroup == 1 && k != 6) << k;
}
