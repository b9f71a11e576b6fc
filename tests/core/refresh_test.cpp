#include "support/TestSupport.h"

#include "app/Refresh.h"
#include "knockout/Knockout.h"

#include <QDir>
#include <QTemporaryDir>

using namespace fixturo;
using namespace fixturo::test;

namespace {

// A whole championship, read from a results file and run through start-up.
class Tournament : public ::testing::Test {
protected:
    void SetUp() override { startUp(m_championship, FIXTURO_TEST_DATA "/full_tournament.txt", hooks()); }

    // Hooks that record, as they run, their name, the points of group A's top
    // row and the pairing of match 25: "tables: 6 points, Portugal - Germany".
    RefreshHooks hooks()
    {
        const auto hook = [this](const char *name) {
            return [this, name] {
                const QString points = QString::number(m_championship.groupTables[0][0].points);
                m_shown << QStringLiteral("%1: %2 points, %3").arg(name, points, pairing(m_championship, 24));
            };
        };
        m_shown.clear();
        return {hook("flags"), hook("lines"), hook("tables"), hook("group flags")};
    }

    Championship m_championship;
    QStringList m_shown;
};

} // namespace

TEST_F(Tournament, StartUpRanksPairsAndCarriesTheWinners)
{
    EXPECT_EQ(m_shown, QStringList({"flags: 0 points, Winner Grp A - Runner-up Grp B",
                                    "lines: 6 points, Winner Grp A - Runner-up Grp B",
                                    "tables: 6 points, Winner Grp A - Runner-up Grp B",
                                    "group flags: 6 points, Portugal - Germany"}));
    EXPECT_EQ(teamOrder(m_championship, 0),
              QStringList({"Portugal", "Turkey", "Czech Republic", "Switzerland"}));
    EXPECT_EQ(advanceKnockoutWinners(m_championship), "Spain");
    // Turkey won #26 on penalties as second-named team, Spain #28 as first-named team.
    EXPECT_EQ(QStringList({pairing(m_championship, 28), pairing(m_championship, 29)}),
              QStringList({"Germany - Turkey", "Russia - Spain"}));
}

TEST_F(Tournament, TheRefreshAfterAnEditRanksAgain)
{
    // goals2 alone is not played: group A incomplete, Turkey on top
    m_championship.matches[1].score = {"", "0"};
    refreshAfterEdit(m_championship, {});
    EXPECT_EQ(pairing(m_championship, 24), "Winner Grp A - Germany");
    const RefreshHooks recording = hooks();
    m_championship.matches[5].score = {}; // group C incomplete again
    // goals1 alone is a 9-0: group A complete, Portugal level on points, won against Turkey
    m_championship.matches[1].score = {"9", ""};
    refreshAfterEdit(m_championship, recording); // the lines see group A's pairing before the sort
    EXPECT_EQ(m_shown,
              QStringList({"lines: 6 points, Turkey - Germany", "tables: 6 points, Portugal - Germany",
                           "group flags: 6 points, Portugal - Germany"}));
    EXPECT_EQ(teamOrder(m_championship, 0).first(2), QStringList({"Portugal", "Turkey"}));
    EXPECT_EQ(
        QStringList({pairing(m_championship, 25), pairing(m_championship, 26), pairing(m_championship, 27)}),
        QStringList({"Croatia - Turkey", "Winner Grp C - Russia", "Spain - Runner-up Grp C"}));
    EXPECT_EQ(m_championship.matches[26].score.goals1, "1") << "the quarter-final result stays";
}

// Each case runs in a child process, as nobody when the test runs as root (the
// superuser writes anywhere).
TEST(ResultsPath, BesideTheProgramWhenItCanBeWrittenElseTheDataFolderFromACopy)
{
    enum class Place { Missing, Writable, ReadOnly, AFile };
    struct Case {
        const char *name;
        Place folder, file;
        bool dataHoldsResults, beside, copied;
    };
    // clang-format off
    const Case cases[] = {
        {.name = "writable folder", .folder = Place::Writable, .file = Place::Missing, .dataHoldsResults = false, .beside = true, .copied = false},
        {.name = "a file in the folder's place", .folder = Place::AFile, .file = Place::Missing, .dataHoldsResults = false, .beside = false, .copied = false},
        {.name = "read-only folder, writable file", .folder = Place::ReadOnly, .file = Place::Writable, .dataHoldsResults = false, .beside = true, .copied = false},
        {.name = "read-only folder, no file", .folder = Place::ReadOnly, .file = Place::Missing, .dataHoldsResults = false, .beside = false, .copied = false},
        {.name = "read-only folder and file", .folder = Place::ReadOnly, .file = Place::ReadOnly, .dataHoldsResults = false, .beside = false, .copied = true},
        {.name = "read-only, results in the data folder", .folder = Place::ReadOnly, .file = Place::ReadOnly, .dataHoldsResults = true, .beside = false, .copied = false},
    };
    // clang-format on
    const QByteArray besideBytes = "1,0|beside\r\n", dataBytes = "0,1|kept\r\n";
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir root;
        QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
        const QString program = root.filePath("bin"), data = root.filePath("home/share/fixturo");
        const QString beside = program + "/results.txt", kept = data + "/results.txt";
        ASSERT_TRUE(c.folder == Place::AFile ? writeBytes(program, "") : QDir().mkdir(program));
        ASSERT_TRUE(c.file == Place::Missing || writeBytes(beside, besideBytes));
        ASSERT_TRUE(!c.dataHoldsResults || (QDir().mkpath(data) && writeBytes(kept, dataBytes)));
        QFile::setPermissions(beside, c.file == Place::ReadOnly ? QFile::ReadOther
                                                                : QFile::WriteOther | QFile::ReadOther);
        if (c.folder != Place::AFile)
            QFile::setPermissions(program, c.folder == Place::ReadOnly
                                               ? QFile::ReadOther | QFile::ExeOther
                                               : QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
        if (c.dataHoldsResults)
            QFile::setPermissions(data, QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
        const std::optional<ChildWrite> chosen = inChild(Limit::Nobody, [&](QString *) {
            const ResultsLocation location = chooseResultsLocation(program, data);
            return location.path == (c.beside ? beside : kept) &&
                   location.copiedFrom == (c.copied ? beside : QString());
        });
        ASSERT_TRUE(chosen) << "the child could not become nobody";
        EXPECT_TRUE(chosen->succeeded);
        EXPECT_EQ(QDir(data).exists(), !c.beside);
        const QByteArray keptBytes = c.dataHoldsResults ? dataBytes : c.copied ? besideBytes : QByteArray();
        EXPECT_EQ(fileBytes(kept), keptBytes);
    }
}
