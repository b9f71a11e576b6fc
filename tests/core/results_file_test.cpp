#include "test_util.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace fixturo;
using namespace fixturo::test;

namespace {

const QByteArray kEmptyLine = QByteArray(",|").repeated(31) + kInitialTeamList;

class ResultsFileTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath("results.txt"); }

    void Write(const QByteArray &bytes) const
    {
        QFile f(Path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray Read() const
    {
        QFile f(Path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // A line whose entry `index` is replaced by `entry`; the others stay ",".
    static QByteArray LineWith(int index, const QByteArray &entry,
                               const QByteArray &teamList = kInitialTeamList)
    {
        QList<QByteArray> fields(31, ",");
        fields[index] = entry;
        return fields.join('|') + '|' + teamList;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ResultsFileTest, FirstRunWritesEmptyEntriesAndTheStartOrder)
{
    ModVars vars = FreshState();
    ASSERT_TRUE(SaveToFile(vars, Path()));
    EXPECT_EQ(Read(), kEmptyLine + "\r\n");
}

TEST_F(ResultsFileTest, EntriesUseTwoOrFourValuesByPenalties)
{
    ModVars vars = FreshState();
    SetScore(vars, 0, "1", "0");
    SetScore(vars, 24, "1", "1", "4", "3");
    SetScore(vars, 5, "2", "2", "", "3");  // penalties2 alone is not written
    SetScore(vars, 26, "0", "0", "4", ""); // four values, the last empty
    const QByteArray line = ResultsLine(vars);
    const QList<QByteArray> fields = line.chopped(2).split('|');
    ASSERT_EQ(fields.size(), 32);
    EXPECT_EQ(fields[0], "1,0");
    EXPECT_EQ(fields[24], "1,1,4,3");
    EXPECT_EQ(fields[5], "2,2");
    EXPECT_EQ(fields[26], "0,0,4,");
    EXPECT_EQ(fields[31], kInitialTeamList);
    EXPECT_TRUE(line.endsWith("\r\n"));
}

TEST_F(ResultsFileTest, SaveThenLoadRestoresEveryField)
{
    ModVars saved = FreshState();
    for (int r = 0; r < kMatchCount; ++r)
        SetScore(saved, r, QString::number(r % 5), QString::number(r % 3), r % 4 ? "" : QString::number(r),
                 r % 4 ? "" : "07");
    SetScore(saved, 26, "0", "0", "4", "");
    SetScore(saved, 27, "", "");
    saved.TeamList = "1,Turkey,Portugal,Switzerland,Czech Republic,Austria,Croatia,Germany,Poland,"
                     "France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden";
    saved.ManualOrderFlag = 1;
    ASSERT_TRUE(SaveToFile(saved, Path()));

    ModVars loaded = FreshState();
    LoadFromFile(loaded, Path());
    for (int r = 0; r < kMatchCount; ++r)
        for (int f : {Match::goals1, Match::goals2, Match::penalties1, Match::penalties2})
            EXPECT_EQ(loaded.MatchTable[r][f], saved.MatchTable[r][f]) << "row " << r << " field " << f;
    EXPECT_EQ(loaded.TeamList, saved.TeamList);
    EXPECT_EQ(loaded.ManualOrderFlag, 1);
}

TEST_F(ResultsFileTest, LineEndsOfEveryKindLoadAlike)
{
    const QByteArray line = LineWith(0, "2,1",
                                     "1,Turkey,Portugal,Switzerland,Czech Republic,Austria,Croatia,"
                                     "Germany,Poland,France,Italy,Netherlands,Romania,Greece,Russia,"
                                     "Spain,Sweden");
    QList<ModVars> states;
    for (const QByteArray &end : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r"), QByteArray()}) {
        Write(end.isEmpty() ? line : line + end + "ignored second line\r\n");
        ModVars vars = FreshState();
        LoadFromFile(vars, Path());
        EXPECT_FALSE(vars.TeamList.contains(u'\r') || vars.TeamList.contains(u'\n'));
        EXPECT_TRUE(vars.TeamList.endsWith("Sweden"));
        EXPECT_EQ(vars.MatchTable[0][Match::goals1], "2");
        EXPECT_EQ(vars.ManualOrderFlag, 1);
        states << vars;
    }
    for (const ModVars &vars : states)
        EXPECT_EQ(ResultsLine(vars), ResultsLine(states.front()));
}

TEST_F(ResultsFileTest, ThreeValuesChangeNothingAndTwoValuesClearPenalties)
{
    ModVars vars = FreshState();
    SetScore(vars, 0, "5", "5", "9", "8");
    SetScore(vars, 1, "5", "5", "9", "8");
    Write(LineWith(1, "2,1", "0").replace(0, 1, "1,2,3"));
    LoadFromFile(vars, Path());
    EXPECT_EQ(vars.MatchTable[0][Match::goals1], "5") << "three values leave the row";
    EXPECT_EQ(vars.MatchTable[0][Match::penalties1], "9");
    EXPECT_EQ(vars.MatchTable[1][Match::goals1], "2");
    EXPECT_EQ(vars.MatchTable[1][Match::goals2], "1");
    EXPECT_EQ(vars.MatchTable[1][Match::penalties1], "") << "two values mean no penalties";
    EXPECT_EQ(vars.MatchTable[1][Match::penalties2], "");
}

TEST_F(ResultsFileTest, ShortLineLeavesTheRestAsItIs)
{
    ModVars vars = FreshState();
    SetScore(vars, 10, "3", "3");
    vars.TeamList = "1,x";
    vars.ManualOrderFlag = 0;
    Write("4,0|,|2,2|\r\n");
    LoadFromFile(vars, Path());
    EXPECT_EQ(vars.MatchTable[0][Match::goals1], "4");
    EXPECT_EQ(vars.MatchTable[2][Match::goals2], "2");
    EXPECT_EQ(vars.MatchTable[10][Match::goals1], "3");
    EXPECT_EQ(vars.TeamList, "1,x");
    EXPECT_EQ(vars.ManualOrderFlag, 1) << "the flag follows the kept TeamList";
}

TEST_F(ResultsFileTest, FlagThatIsNoIntegerLeavesTheSwitch)
{
    for (const QByteArray &flag :
         {QByteArray("abc"), QByteArray("3abc"), QByteArray(""), QByteArray("99999999999999999999")}) {
        ModVars vars = FreshState();
        vars.ManualOrderFlag = 1;
        Write(LineWith(0, ",", flag + ",Portugal"));
        LoadFromFile(vars, Path());
        EXPECT_EQ(vars.ManualOrderFlag, 1) << flag.constData();
        EXPECT_EQ(vars.TeamList, QString::fromLatin1(flag + ",Portugal"));
    }
    ModVars vars = FreshState();
    Write(LineWith(0, ",", "0,Portugal"));
    vars.ManualOrderFlag = 1;
    LoadFromFile(vars, Path());
    EXPECT_EQ(vars.ManualOrderFlag, 0);
}

TEST_F(ResultsFileTest, EmptyOrMissingFileChangesNothing)
{
    ModVars vars = FreshState();
    SetScore(vars, 3, "1", "2");
    const QByteArray before = ResultsLine(vars);
    LoadFromFile(vars, Path()); // missing
    Write("");
    LoadFromFile(vars, Path());
    Write("\r\n4,0|\r\n");
    LoadFromFile(vars, Path());
    EXPECT_EQ(ResultsLine(vars), before);
    // The file was closed: the save can replace it.
    EXPECT_TRUE(SaveToFile(vars, Path()));
    EXPECT_EQ(Read(), before);
}

TEST_F(ResultsFileTest, HostileInputNeverBreaksTheLoader)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919 + 13) % 256);
    const QByteArray huge = QByteArray("1,2|") + QByteArray(1024 * 1024, '7') + "|" + QByteArray(5000, ',');
    const QByteArray extra = LineWith(0, "3,1") + "|9,9|9,9|more|fields";
    for (const QByteArray &content : {garbage, huge, extra, QByteArray(40, '|'), QByteArray("|||,,,|||")}) {
        Write(content);
        ModVars vars = FreshState();
        LoadFromFile(vars, Path());
        SetStatisticVars(vars);
        GroupSort(vars);
        SetRankGroupA(vars);
        UpdateMatchVars(vars);
        SetVarsMatch(vars);
        EXPECT_TRUE(SaveToFile(vars, Path()));
        // What was saved loads back to the same line.
        ModVars again = FreshState();
        LoadFromFile(again, Path());
        EXPECT_EQ(ResultsLine(again), ResultsLine(vars));
    }
    Write(extra);
    ModVars vars = FreshState();
    LoadFromFile(vars, Path());
    EXPECT_EQ(vars.MatchTable[0][Match::goals1], "3");
    EXPECT_EQ(vars.TeamList, QString::fromLatin1(kInitialTeamList)) << "fields after TeamList are ignored";
}

TEST_F(ResultsFileTest, HugeNumbersNeitherCrashNorWrap)
{
    ModVars vars = FreshState();
    Write(LineWith(0, "99999999999999999999,-5"));
    LoadFromFile(vars, Path());
    EXPECT_EQ(vars.MatchTable[0][Match::goals1], "99999999999999999999") << "texts are stored as they are";
    SetStatisticVars(vars);
    // Switzerland (team1 of match 1) won: the huge number reads as a huge, positive number.
    const int swiss = GetIndexGroup(vars, "Group A", "Switzerland").value();
    EXPECT_EQ(vars.GroupTeams[0][swiss][Col::Pts], "3");
    EXPECT_EQ(ValueOf(vars.GroupTeams[0][swiss][Col::GF]), kNumberLimit);
    EXPECT_GT(GetDiffGoals(vars, "Switzerland"), 0);
}

TEST_F(ResultsFileTest, FailedSaveLeavesThePreviousFileWhole)
{
    ModVars vars = FreshState();
    SetScore(vars, 0, "1", "0");
    ASSERT_TRUE(SaveToFile(vars, Path()));
    const QByteArray before = Read();

    // A save into a folder that does not exist fails and says so.
    EXPECT_FALSE(SaveToFile(vars, m_dir.filePath("missing/results.txt")));

    // A save whose file cannot be put in place fails, and what stands there stays.
    QDir(m_dir.path()).mkpath("blocked/results.txt/keep");
    EXPECT_FALSE(SaveToFile(vars, m_dir.filePath("blocked/results.txt")));
    EXPECT_TRUE(QFileInfo(m_dir.filePath("blocked/results.txt/keep")).isDir());
    EXPECT_EQ(Read(), before);
}
