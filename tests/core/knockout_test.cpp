#include "test_util.h"

#include "knockout/MatchRules.h"

#include <QSet>

using namespace fixturo;
using namespace fixturo::test;

constexpr int kKnockoutRow = 24;

TEST(Bracket, WinnersMoveOnAndClearedMatchesGiveThePlaceBack)
{
    ModVars vars = FreshState();
    SetScore(vars, 24, "2", "1");           // Winner Grp A
    SetScore(vars, 25, "1", "1", "3", "4"); // Runner-up Grp A on penalties
    SetScore(vars, 28, "0", "0", "5", "4"); // a semi-final played with placeholders
    QString champion = SetVarsMatch(vars);
    EXPECT_EQ(champion + "/" + Pair(vars, 28) + "/" + Pair(vars, 30),
              "Winner/Winner Grp A - Runner-up Grp A/Winner Grp A - Winner #30");
    SetScore(vars, 30, "0", "1");
    EXPECT_EQ(SetVarsMatch(vars), "Winner #30");
    SetScore(vars, 29, "1", "0");
    EXPECT_EQ(SetVarsMatch(vars), "Winner #27") << "the placeholder itself moves on";
    SetScore(vars, 24, "", ""); // the semi-final keeps its result, the final its place
    champion = SetVarsMatch(vars);
    EXPECT_EQ(champion + "/" + Pair(vars, 28) + "/" + vars.MatchTable[28][Match::penalties1] + "/" +
                  Pair(vars, 30),
              "Winner #27/Winner #25 - Runner-up Grp A/5/Winner #25 - Winner #27");
}

TEST(Bracket, SlotTexts)
{
    ModVars vars = FreshState();
    SetScore(vars, 27, "1", "1", "4", "3");
    EXPECT_EQ(SlotText(vars, kBracketSlots[6]) + "/" + SlotText(vars, kBracketSlots[12]),
              "(4)1 Winner Grp D/ Winner #29");
    // A match area as a screen reader says it, both sides with goals and penalties, or names alone.
    EXPECT_EQ(MatchSpoken(vars, 27) + "/" + MatchSpoken(vars, 30),
              "Match 28: Winner Grp D 1 (4 on penalties), Runner-up Grp C 1 (3 on penalties)/"
              "Match 31: Winner #29, Winner #30");
    QSet<int> labels, flags, sides;
    for (const BracketSlot &s : kBracketSlots) {
        labels << s.labelIndex;
        flags << s.flagIndex;
        sides << s.row * 2 + (s.side == Match::team2);
    }
    EXPECT_EQ(labels.size() + flags.size() + sides.size(), 3 * 14) << "one slot per side, label and flag";
    EXPECT_FALSE(flags.contains(kChampionFlag));
}

// The penalty boxes show for a knockout draw by value; what OK then does; for a stored knockout
// result, the side that goes through (1 or 2), goals then penalties compared by value.
TEST(ResultDialogRules, OkStoresClearsOrAsksForWhatIsMissing)
{
    using O = OkOutcome; // row 4 is a group match, kKnockoutRow a quarter-final
    // clang-format off
    const std::tuple<int, const char *, O, int> cases[] = {
        {4, "2,1,,", O::Store, 0}, {4, ",,,", O::Store, 0}, {4, "2,,,", O::InsertResults, 0},
        {4, ",2,,", O::InsertResults, 0}, {kKnockoutRow, ",,,", O::Clear, 0}, {kKnockoutRow, "1,,,", O::InsertResults, 0},
        {kKnockoutRow, "2,1,,", O::Store, 1}, {kKnockoutRow, "9,10,,", O::Store, 2}, {kKnockoutRow, "1,1,4,3", O::Store, 1},
        {kKnockoutRow, "1,1,3,4", O::Store, 2}, {kKnockoutRow, "1,1,4,", O::InsertResults, 0},
        {kKnockoutRow, "1,1,,0", O::InsertResults, 0}, {kKnockoutRow, "1,1,,", O::InsertResultsPenalties, 0},
        {kKnockoutRow, "1,1,3,03", O::InsertResultsPenalties, 0}, {kKnockoutRow, "1,01,4,5", O::Store, 2},
        {30, "0,00,,", O::InsertResultsPenalties, 0}, {30, "0,0,6,5", O::Store, 1}, {23, "1,1,,", O::Store, 0},
        {kKnockoutRow, "0,,,", O::InsertResults, 0}};
    // clang-format on
    for (const auto &[row, typed, outcome, side] : cases) {
        const QStringList v = QString::fromLatin1(typed).split(u',');
        EXPECT_EQ(DecideOk(row, {v[0], v[1], v[2], v[3]}, PenaltiesShown(row, v[0], v[1])), outcome)
            << row << " " << typed;
        ModVars vars = FreshState();
        SetScore(vars, row, v[0], v[1], v[2], v[3]);
        if (side != 0) {
            EXPECT_EQ(KnockoutWinner(vars.MatchTable[row]), vars.MatchTable[row][Match::team1 + side - 1])
                << typed;
        }
    }
}
