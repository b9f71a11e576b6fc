#include "test_util.h"

#include <QFile>
#include <QTemporaryDir>

using namespace fixturo;
using namespace fixturo::test;

namespace {

// A whole championship, read from a results file and run through start-up.
class TournamentTest : public ::testing::Test {
protected:
    void SetUp() override { StartupSequence(m_vars, FIXTURO_TEST_DATA "/full_tournament.txt", {}); }
    ModVars m_vars;
};

} // namespace

TEST_F(TournamentTest, GroupTablesAreRankedByTheRules)
{
    EXPECT_EQ(Order(m_vars, 0), QStringList({"Portugal", "Turkey", "Czech Republic", "Switzerland"}));
    EXPECT_EQ(Order(m_vars, 1), QStringList({"Croatia", "Germany", "Austria", "Poland"}));
    EXPECT_EQ(Order(m_vars, 2), QStringList({"Netherlands", "Italy", "Romania", "France"}));
    EXPECT_EQ(Order(m_vars, 3), QStringList({"Spain", "Russia", "Sweden", "Greece"}));
    // Statistics moved with their names.
    const auto &turkey = m_vars.GroupTeams[0][1];
    EXPECT_EQ(QStringList({turkey[Col::Pts], turkey[Col::W], turkey[Col::D], turkey[Col::L], turkey[Col::GF],
                           turkey[Col::GA]}),
              QStringList({"6", "2", "0", "1", "5", "5"}));
    for (int g = 0; g < kGroupCount; ++g)
        EXPECT_EQ(QStringList(m_vars.GroupRanking[g].begin(), m_vars.GroupRanking[g].end()),
                  Order(m_vars, g));
}

TEST_F(TournamentTest, QuarterFinalsArePairedAcrossGroups)
{
    const auto pair = [&](int row) {
        return m_vars.MatchTable[row][Match::team1] + " - " + m_vars.MatchTable[row][Match::team2];
    };
    EXPECT_EQ(pair(24), "Portugal - Germany");
    EXPECT_EQ(pair(25), "Croatia - Turkey");
    EXPECT_EQ(pair(26), "Netherlands - Russia");
    EXPECT_EQ(pair(27), "Spain - Italy");
}

TEST_F(TournamentTest, WinnersAreCarriedToTheChampion)
{
    EXPECT_EQ(SetVarsMatch(m_vars), "Spain");
    const auto pair = [&](int row) {
        return m_vars.MatchTable[row][Match::team1] + " - " + m_vars.MatchTable[row][Match::team2];
    };
    EXPECT_EQ(pair(28), "Germany - Turkey") << "Turkey won #26 on penalties as second-named team";
    EXPECT_EQ(pair(29), "Russia - Spain") << "Spain won #28 on penalties as first-named team";
    EXPECT_EQ(pair(30), "Germany - Spain");
    EXPECT_EQ(SlotText(m_vars, kBracketSlots[2]), "(1)1 Croatia");
    EXPECT_EQ(SlotText(m_vars, kBracketSlots[3]), "(3)1 Turkey");
    EXPECT_EQ(SlotText(m_vars, kBracketSlots[0]), "2 Portugal");
}

TEST_F(TournamentTest, SavedFileLoadsToTheSameTournament)
{
    QTemporaryDir dir;
    ASSERT_TRUE(SaveToFile(m_vars, dir.filePath("results.txt")));
    ModVars again;
    StartupSequence(again, dir.filePath("results.txt"), {});
    for (int g = 0; g < kGroupCount; ++g)
        EXPECT_EQ(Order(again, g), Order(m_vars, g));
    EXPECT_EQ(ResultsLine(again), ResultsLine(m_vars));
    QFile original(FIXTURO_TEST_DATA "/full_tournament.txt");
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(ResultsLine(again), original.readAll());
}

TEST_F(TournamentTest, RemovingAGroupResultPutsThePlaceholdersBack)
{
    SetScore(m_vars, 5, "", "");
    Refresh(m_vars);
    EXPECT_EQ(m_vars.MatchTable[26][Match::team1], "Winner Grp C");
    EXPECT_EQ(m_vars.MatchTable[27][Match::team2], "Runner-up Grp C");
    EXPECT_EQ(m_vars.MatchTable[26][Match::team2], "Russia") << "group D is still complete";
    EXPECT_EQ(m_vars.MatchTable[26][Match::goals1], "1") << "the quarter-final result stays";
}
