#include "test_util.h"

#include "knockout/MatchRules.h"

using namespace fixturo;
using namespace fixturo::test;

namespace {

constexpr int kGroupRow = 4;
constexpr int kKnockoutRow = 24;

OkOutcome Ok(int row, const char *g1, const char *g2, const char *p1 = "", const char *p2 = "")
{
    const ScoreEntry entry{g1, g2, p1, p2};
    return DecideOk(row, entry, PenaltiesShown(row, entry.goals1, entry.goals2));
}

} // namespace

TEST(ResultDialogRules, KeyFilterPassesDigitsAndControlKeysOnly)
{
    for (char32_t c = U'0'; c <= U'9'; ++c)
        EXPECT_TRUE(ScoreKeyAccepted(c));
    EXPECT_TRUE(ScoreKeyAccepted(8));    // backspace
    EXPECT_TRUE(ScoreKeyAccepted(0x16)); // paste
    for (char32_t c : {U'a', U'-', U' ', U'+', U'.', U'/', U':', char32_t(127), U'\u0663'})
        EXPECT_FALSE(ScoreKeyAccepted(c));
}

TEST(ResultDialogRules, PenaltiesShowOnlyForKnockoutDrawsByValue)
{
    EXPECT_TRUE(PenaltiesShown(kKnockoutRow, "1", "1"));
    EXPECT_TRUE(PenaltiesShown(kKnockoutRow, "1", "01"));
    EXPECT_TRUE(PenaltiesShown(30, "0", "00"));
    EXPECT_FALSE(PenaltiesShown(kKnockoutRow, "2", "1"));
    EXPECT_FALSE(PenaltiesShown(kKnockoutRow, "", ""));
    EXPECT_FALSE(PenaltiesShown(kKnockoutRow, "0", ""));
    EXPECT_FALSE(PenaltiesShown(23, "1", "1"));
}

TEST(ResultDialogRules, GroupMatchesNeedBothGoalsOrNone)
{
    EXPECT_EQ(Ok(kGroupRow, "2", "1"), OkOutcome::Store);
    EXPECT_EQ(Ok(kGroupRow, "1", "1"), OkOutcome::Store);
    EXPECT_EQ(Ok(kGroupRow, "", ""), OkOutcome::Store) << "both empty clears the result";
    EXPECT_EQ(Ok(kGroupRow, "2", ""), OkOutcome::InsertResults);
    EXPECT_EQ(Ok(kGroupRow, "", "2"), OkOutcome::InsertResults);
}

TEST(ResultDialogRules, KnockoutMatchesNeedAWinner)
{
    EXPECT_EQ(Ok(kKnockoutRow, "", ""), OkOutcome::Clear);
    EXPECT_EQ(Ok(kKnockoutRow, "1", ""), OkOutcome::InsertResults);
    EXPECT_EQ(Ok(kKnockoutRow, "2", "1"), OkOutcome::Store);
    EXPECT_EQ(Ok(kKnockoutRow, "1", "1", "4", "3"), OkOutcome::Store);
    EXPECT_EQ(Ok(kKnockoutRow, "1", "1", "4", ""), OkOutcome::InsertResults);
    EXPECT_EQ(Ok(kKnockoutRow, "1", "1", "", "0"), OkOutcome::InsertResults);
    EXPECT_EQ(Ok(kKnockoutRow, "1", "1"), OkOutcome::InsertResultsPenalties);
    EXPECT_EQ(Ok(kKnockoutRow, "1", "1", "3", "3"), OkOutcome::InsertResultsPenalties);
    EXPECT_EQ(Ok(kKnockoutRow, "1", "1", "3", "03"), OkOutcome::InsertResultsPenalties);
    EXPECT_EQ(Ok(kKnockoutRow, "1", "01"), OkOutcome::InsertResultsPenalties);
    EXPECT_EQ(Ok(kKnockoutRow, "1", "01", "5", "4"), OkOutcome::Store);
}

TEST(ResultDialogRules, EveryAcceptedKnockoutResultHasAWinner)
{
    const QStringList values{"", "0", "1", "01", "2", "10", "00"};
    for (const QString &g1 : values)
        for (const QString &g2 : values)
            for (const QString &p1 : values)
                for (const QString &p2 : values) {
                    const ScoreEntry e{g1, g2, p1, p2};
                    const bool shown = PenaltiesShown(kKnockoutRow, g1, g2);
                    // Hidden penalty boxes are always empty.
                    if (!shown && (!p1.isEmpty() || !p2.isEmpty()))
                        continue;
                    if (DecideOk(kKnockoutRow, e, shown) != OkOutcome::Store)
                        continue;
                    MatchRow row;
                    StoreEntry(row, OkOutcome::Store, e);
                    EXPECT_TRUE(KnockoutWinner(row).has_value())
                        << g1.toStdString() << ":" << g2.toStdString() << " (" << p1.toStdString() << ":"
                        << p2.toStdString() << ")";
                }
}

TEST(ResultDialogRules, StoreKeepsTextsAsTypedAndClearEmptiesAll)
{
    MatchRow row;
    StoreEntry(row, OkOutcome::Store, {"01", "1", "5", "4"});
    EXPECT_EQ(row[Match::goals1], "01");
    EXPECT_EQ(row[Match::penalties2], "4");
    StoreEntry(row, OkOutcome::Clear, {"9", "9", "9", "9"});
    for (int f : {Match::goals1, Match::goals2, Match::penalties1, Match::penalties2})
        EXPECT_TRUE(row[f].isEmpty());
}

TEST(ResultDialogRules, TitleAndInfoLine)
{
    const ModVars vars = FreshState();
    EXPECT_EQ(MatchTitle(vars, 24), "Match #25  QF");
    EXPECT_EQ(MatchTitle(vars, 0), "Match #1  Group A");
    EXPECT_EQ(MatchInfo(vars.MatchTable[0]), "18:00  Saturday 7 June 2008  Basel  St. Jakob-Park");
}
