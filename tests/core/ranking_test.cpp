#include "test_util.h"

using namespace fixturo;
using namespace fixturo::test;

namespace {

// Group A: Portugal, Turkey, Switzerland, Czech Republic in fixture order.
ModVars
GroupA(std::initializer_list<std::tuple<const char *, const char *, const char *, const char *>> results)
{
    ModVars vars = FreshState();
    for (const auto &[t1, t2, g1, g2] : results)
        SetScore(vars, RowOf(vars, t1, t2), g1, g2);
    SetStatisticVars(vars);
    return vars;
}

void SortGroupA(ModVars &vars)
{
    BubbleSort(vars, vars.GroupTeams[0], 3);
}

} // namespace

TEST(Ranking, NoResultsKeepTheFixtureOrder)
{
    ModVars vars = FreshState();
    SetStatisticVars(vars);
    GroupSort(vars);
    EXPECT_EQ(Order(vars, 0), QStringList({"Portugal", "Turkey", "Switzerland", "Czech Republic"}));
    EXPECT_EQ(Order(vars, 2), QStringList({"France", "Italy", "Netherlands", "Romania"}));
}

TEST(Ranking, HeadToHeadBeatsGoalDifference)
{
    // Portugal and Turkey on 3 points; Turkey won their match, Portugal has the better difference.
    ModVars vars = GroupA({{"Portugal", "Turkey", "0", "1"}, {"Czech Republic", "Portugal", "0", "5"}});
    SortGroupA(vars);
    EXPECT_EQ(Order(vars, 0), QStringList({"Turkey", "Portugal", "Switzerland", "Czech Republic"}));
    EXPECT_EQ(vars.GroupTeams[0][1][Col::GF], "5") << "statistics move with the name";
}

TEST(Ranking, HeadToHeadAppliesWhenTheLowerTeamIsNamedFirst)
{
    // Portugal beat Turkey as first-named team; Turkey has the better goal difference.
    ModVars vars = GroupA({{"Portugal", "Turkey", "2", "0"},
                           {"Czech Republic", "Portugal", "1", "0"},
                           {"Switzerland", "Turkey", "0", "5"}});
    Swap(vars.GroupTeams[0], 0, 1); // Turkey above Portugal to start with
    SortGroupA(vars);
    EXPECT_EQ(Order(vars, 0), QStringList({"Portugal", "Turkey", "Czech Republic", "Switzerland"}));
}

TEST(Ranking, LevelHeadToHeadFallsToGoalDifference)
{
    ModVars vars = GroupA({{"Portugal", "Turkey", "1", "1"},
                           {"Switzerland", "Turkey", "0", "4"},
                           {"Czech Republic", "Portugal", "0", "3"}});
    SortGroupA(vars); // both on 4 points; Turkey +4 against Portugal +3
    EXPECT_EQ(Order(vars, 0).mid(0, 2), QStringList({"Turkey", "Portugal"}));

    // An unplayed match between them counts as level too.
    ModVars unplayed =
        GroupA({{"Switzerland", "Turkey", "0", "2"}, {"Czech Republic", "Portugal", "0", "1"}});
    SortGroupA(unplayed);
    EXPECT_EQ(Order(unplayed, 0).mid(0, 2), QStringList({"Turkey", "Portugal"}));
}

TEST(Ranking, EqualGoalDifferenceKeepsTheOrderWhateverWasScored)
{
    ModVars vars = GroupA({{"Portugal", "Turkey", "1", "1"},
                           {"Czech Republic", "Portugal", "0", "1"},
                           {"Switzerland", "Turkey", "2", "3"}});
    SortGroupA(vars);
    EXPECT_EQ(Order(vars, 0).mid(0, 2), QStringList({"Portugal", "Turkey"}));
}

TEST(Ranking, HeadToHeadCycleKeepsItsStartingOrder)
{
    // Portugal beat Turkey, Turkey beat Switzerland, Switzerland beat Portugal; Czech Republic 0 points.
    ModVars vars = GroupA({{"Portugal", "Turkey", "1", "0"},
                           {"Switzerland", "Turkey", "0", "1"},
                           {"Switzerland", "Portugal", "1", "0"}});
    ModVars rotated = vars;
    SortGroupA(vars);
    EXPECT_EQ(Order(vars, 0), QStringList({"Portugal", "Turkey", "Switzerland", "Czech Republic"}));

    auto &t = rotated.GroupTeams[0];
    rotated.GroupTeams[0] = {t[2], t[0], t[1], t[3]};
    SortGroupA(rotated);
    EXPECT_EQ(Order(rotated, 0), QStringList({"Switzerland", "Portugal", "Turkey", "Czech Republic"}));
}

TEST(Ranking, PointsAreComparedAsNumbers)
{
    ModVars vars = FreshState();
    SetStatisticVars(vars);
    vars.GroupTeams[0][0][Col::Pts] = "9";
    vars.GroupTeams[0][1][Col::Pts] = "10"; // "10" < "9" as text
    SortGroupA(vars);
    EXPECT_EQ(vars.GroupTeams[0][0][Col::Name], "Turkey");
}

TEST(Ranking, RankingCopiesTheTableOrder)
{
    ModVars vars = GroupA({{"Switzerland", "Czech Republic", "0", "2"}});
    GroupSort(vars);
    SetRankGroupA(vars);
    EXPECT_EQ(vars.GroupRanking[0][0], "Czech Republic");
    for (int g = 0; g < kGroupCount; ++g)
        for (int k = 0; k < kTeamsPerGroup; ++k)
            EXPECT_EQ(vars.GroupRanking[g][k], vars.GroupTeams[g][k][Col::Name]);
}

TEST(Ranking, MatchLookupAndGoalDifference)
{
    ModVars vars = GroupA({{"Turkey", "Czech Republic", "3", "2"}});
    EXPECT_EQ(GetNumberIndexMAtch(vars, "Czech Republic", "Turkey"), 17);
    EXPECT_EQ(GetNumberIndexMAtch(vars, "Turkey", "Czech Republic"), 17);
    EXPECT_FALSE(GetNumberIndexMAtch(vars, "Turkey", "Spain"));
    EXPECT_EQ(GetDiffGoals(vars, "Turkey"), 1);
    EXPECT_EQ(GetDiffGoals(vars, "Czech Republic"), -1);
    EXPECT_EQ(GetDiffGoals(vars, "Nowhere"), 0);
}
