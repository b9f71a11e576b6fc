#include "test_util.h"

using namespace fixturo;
using namespace fixturo::test;

namespace {

ModVars WithTeamList(const QString &list)
{
    ModVars vars = FreshState();
    vars.TeamList = list;
    vars.ManualOrderFlag = 1;
    SetStatisticVars(vars);
    return vars;
}

} // namespace

TEST(ManualOrder, ListedOrderIsAppliedWhateverTheResults)
{
    ModVars vars = WithTeamList("1,Czech Republic,Switzerland,Turkey,Portugal,Poland,Germany,Croatia,Austria,"
                                "Romania,Netherlands,Italy,France,Sweden,Spain,Russia,Greece");
    SetScore(vars, RowOf(vars, "Portugal", "Turkey"), "5", "0");
    Refresh(vars);
    EXPECT_EQ(Order(vars, 0), QStringList({"Czech Republic", "Switzerland", "Turkey", "Portugal"}));
    EXPECT_EQ(Order(vars, 3), QStringList({"Sweden", "Spain", "Russia", "Greece"}));
    EXPECT_EQ(vars.GroupRanking[0][0], "Czech Republic");
    EXPECT_EQ(vars.GroupTeams[0][3][Col::Pts], "3") << "Portugal's figures moved with it";
}

TEST(ManualOrder, SwitchOffLeavesTheListStoredButUnused)
{
    ModVars vars = WithTeamList("0,Czech Republic,Switzerland,Turkey,Portugal,Austria,Croatia,Germany,Poland,"
                                "France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden");
    vars.ManualOrderFlag = 0;
    Refresh(vars);
    EXPECT_EQ(Order(vars, 0), QStringList({"Portugal", "Turkey", "Switzerland", "Czech Republic"}));
    EXPECT_TRUE(vars.TeamList.startsWith("0,Czech Republic"));
}

TEST(ManualOrder, RepeatedNameStillPlacesTheOthers)
{
    // Rows W, X, Y, Z with the list X, X, Y, Z give X, W, Y, Z: row 0 never moves.
    ModVars vars = WithTeamList("1,Turkey,Turkey,Switzerland,Czech Republic");
    ManualSort(vars);
    EXPECT_EQ(Order(vars, 0), QStringList({"Turkey", "Portugal", "Switzerland", "Czech Republic"}));
}

TEST(ManualOrder, ShortOrUnknownListsNeverReadPastTheEnd)
{
    ModVars shortList = WithTeamList("1,Turkey,Portugal");
    ManualSort(shortList);
    EXPECT_EQ(Order(shortList, 0), QStringList({"Portugal", "Turkey", "Switzerland", "Czech Republic"}));

    ModVars oneGroup = WithTeamList("1,Czech Republic,Switzerland,Turkey,Portugal,Croatia");
    ManualSort(oneGroup);
    EXPECT_EQ(Order(oneGroup, 0).front(), "Czech Republic");
    EXPECT_EQ(Order(oneGroup, 1), QStringList({"Austria", "Croatia", "Germany", "Poland"}));

    ModVars unknown = WithTeamList("1,Nobody,portugal,Czech Republic,Turkey");
    ManualSort(unknown);
    EXPECT_EQ(Order(unknown, 0), QStringList({"Portugal", "Switzerland", "Czech Republic", "Turkey"}));

    ModVars empty = WithTeamList("");
    ManualSort(empty);
    EXPECT_EQ(Order(empty, 0), QStringList({"Portugal", "Turkey", "Switzerland", "Czech Republic"}));
}

TEST(ManualOrder, WindowChoicesComeFromTheStoredList)
{
    ModVars vars = FreshState();
    vars.TeamList = "1,Turkey\n,Portugal";
    const ManualChoices choices = StoredChoices(vars);
    EXPECT_EQ(choices[0], "Turkey") << "line feeds are removed";
    EXPECT_EQ(choices[1], "Portugal");
    EXPECT_TRUE(choices[2].isEmpty());
    EXPECT_TRUE(choices[15].isEmpty());
    EXPECT_TRUE(StoredSwitch(vars));
    vars.TeamList = kInitialTeamList;
    EXPECT_FALSE(StoredSwitch(vars));
}

TEST(ManualOrder, PickingKeepsNamesUniqueWithinTheGroupOnly)
{
    ModVars vars = FreshState();
    ManualChoices choices = StoredChoices(vars);
    choices[4 + 2] = choices[4 + 0]; // group B, list 2 takes the name of list 0
    choices[0] = choices[4 + 0];     // and group A shows it too (not a real name there)
    KeepUnique(choices, 1, 2);
    EXPECT_TRUE(choices[4].isEmpty());
    EXPECT_EQ(choices[6], "Austria");
    EXPECT_EQ(choices[0], "Austria") << "other groups are not touched";
    EXPECT_FALSE(ChoicesComplete(choices));
}

TEST(ManualOrder, OkComposesSeventeenElements)
{
    ModVars vars = FreshState();
    const ManualChoices choices = StoredChoices(vars);
    ASSERT_TRUE(ChoicesComplete(choices));
    EXPECT_EQ(ComposeTeamList(false, choices), kInitialTeamList);
    const QString on = ComposeTeamList(true, choices);
    EXPECT_TRUE(on.startsWith("1,Portugal,"));
    EXPECT_EQ(on.split(u',').size(), 17);
}
