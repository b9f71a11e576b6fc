#include "test_util.h"

#include <unistd.h>

using namespace fixturo;
using namespace fixturo::test;

namespace {

// A whole championship, read from a results file and run through start-up.
class Tournament : public ::testing::Test {
protected:
    void SetUp() override { StartupSequence(m_vars, FIXTURO_TEST_DATA "/full_tournament.txt", Steps()); }

    // Window steps that record their order and what the state held when each ran.
    WindowSteps Steps()
    {
        const auto step = [this](const char *name) {
            return [this, name] {
                m_steps << QStringList{name, m_vars.GroupTeams[0][0][Col::Pts], Pair(m_vars, 24)}.join(u':');
            };
        };
        m_steps.clear();
        return {step("flags"), step("labels"), step("tables"), step("groupflags")};
    }

    QTemporaryDir m_dir;
    ModVars m_vars;
    QStringList m_steps;
};

} // namespace

TEST_F(Tournament, StartUpRanksPairsAndCarriesTheWinners)
{
    EXPECT_EQ(m_steps,
              QStringList({"flags::Winner Grp A - Runner-up Grp B", "labels:6:Winner Grp A - Runner-up Grp B",
                           "tables:6:Winner Grp A - Runner-up Grp B", "groupflags:6:Portugal - Germany"}));
    EXPECT_EQ(Order(m_vars, 0), QStringList({"Portugal", "Turkey", "Czech Republic", "Switzerland"}));
    for (int g = 0; g < kGroupCount; ++g)
        EXPECT_EQ(QStringList(m_vars.GroupRanking[g].begin(), m_vars.GroupRanking[g].end()),
                  Order(m_vars, g));
    const QString champion = SetVarsMatch(m_vars);
    // Turkey won #26 on penalties as second-named team, Spain #28 as first-named team.
    EXPECT_EQ(QStringList({Pair(m_vars, 24), Pair(m_vars, 25), Pair(m_vars, 26), Pair(m_vars, 27),
                           Pair(m_vars, 28), Pair(m_vars, 29), champion}),
              QStringList({"Portugal - Germany", "Croatia - Turkey", "Netherlands - Russia", "Spain - Italy",
                           "Germany - Turkey", "Russia - Spain", "Spain"}));
}

TEST_F(Tournament, TheRefreshAfterAChangeRanksAgain)
{
    SetScore(m_vars, 1, "", "0"); // goals2 alone is not played: group A incomplete, Turkey on top
    DialogRefreshSequence(m_vars, {});
    EXPECT_EQ(Pair(m_vars, 24), "Winner Grp A - Germany");
    const WindowSteps steps = Steps();
    SetScore(m_vars, 5, "", ""); // group C incomplete again
    SetScore(m_vars, 1, "9",
             ""); // goals1 alone is a 9-0: group A complete, Portugal level on points, won against Turkey
    DialogRefreshSequence(m_vars, steps); // the labels see group A's pairing before the sort
    EXPECT_EQ(m_steps, QStringList({"labels:6:Turkey - Germany", "tables:6:Portugal - Germany",
                                    "groupflags:6:Portugal - Germany"}));
    EXPECT_EQ(Order(m_vars, 0).first(2), QStringList({"Portugal", "Turkey"}));
    EXPECT_EQ(QStringList({Pair(m_vars, 25), Pair(m_vars, 26), Pair(m_vars, 27)}),
              QStringList({"Croatia - Turkey", "Winner Grp C - Russia", "Spain - Runner-up Grp C"}));
    EXPECT_EQ(m_vars.MatchTable[26][Match::goals1], "1") << "the quarter-final result stays";
}

TEST_F(Tournament, TheRefreshAfterAnUpdateRanksTheLoadedResults)
{
    ModVars published = FreshState();
    for (int r = 0; r < kGroupMatchCount; ++r)
        SetScore(published, r, "0", "0");
    SetScore(published, RowOf(published, "Turkey", "Czech Republic"), "0", "2");
    SetScore(published, RowOf(published, "Croatia", "Germany"), "0", "1");
    const QString path = m_dir.filePath("update.txt");
    ASSERT_TRUE(WriteBytes(path, ResultsLine(published)));

    const WindowSteps steps = Steps();
    UpdateRefreshSequence(m_vars, path, steps);
    EXPECT_EQ(m_steps, QStringList({"labels:3:Portugal - Germany", "tables:5:Portugal - Germany",
                                    "groupflags:5:Czech Republic - Austria"}));
    EXPECT_EQ(Order(m_vars, 0) + Order(m_vars, 1),
              QStringList({"Czech Republic", "Portugal", "Switzerland", "Turkey", "Germany", "Austria",
                           "Poland", "Croatia"}));
    EXPECT_EQ(QStringList({Pair(m_vars, 24), Pair(m_vars, 25)}),
              QStringList({"Czech Republic - Austria", "Germany - Portugal"}));
}

// Program folder: 'w' writable, 'r' read-only, 'f' a file rather than a folder;
// results file there: ' ' none, 'w' writable, 'r' read-only. The superuser
// writes anywhere, so only the rows that need no permission check run as root.
TEST(ResultsPathTest, BesideTheProgramWhenItCanBeWrittenElseTheDataFolder)
{
    // clang-format off
    for (const auto &[folder, file, beside, asRoot] : {std::tuple{'w', ' ', true, true}, {'f', ' ', false, true},
                                      {'r', 'w', true, true}, {'r', ' ', false, false}, {'r', 'r', false, false}}) {
        // clang-format on
        SCOPED_TRACE(std::string(1, folder) + file);
        if (geteuid() == 0 && !asRoot)
            continue;
        QTemporaryDir root;
        const QString program = root.filePath("bin"), data = root.filePath("home/share/fixturo");
        QFile place(folder == 'f' ? program : program + "/results.txt");
        ASSERT_TRUE(folder == 'f'
                        ? place.open(QIODevice::WriteOnly)
                        : QDir().mkdir(program) && (file == ' ' || place.open(QIODevice::WriteOnly)));
        if (file == 'r')
            place.setPermissions(QFile::ReadOwner);
        if (folder == 'r')
            QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_EQ(ChooseResultsPath(program, data), (beside ? program : data) + "/results.txt");
        EXPECT_EQ(QDir(data).exists(), !beside);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}
