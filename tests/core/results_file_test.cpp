#include "test_util.h"

#include <QTemporaryDir>

using namespace fixturo;
using namespace fixturo::test;

namespace {

const QByteArray kSwapped = "1,Turkey,Portugal,Switzerland,Czech Republic,Austria,Croatia,Germany,Poland,"
                            "France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden";

// A line whose entry `index` is `entry` and the others ",".
QByteArray LineWith(int index, const QByteArray &entry, const QByteArray &teamList = kInitialTeamList)
{
    QList<QByteArray> fields(kMatchCount, ",");
    fields[index] = entry;
    return fields.join('|') + '|' + teamList;
}

class ResultsFile : public ::testing::Test {
protected:
    // Loads `content` over a state that already holds results, a list and a flag;
    // returns that state's line as a save would write it, then its flag.
    QByteArray LoadOver(const QByteArray &content)
    {
        EXPECT_TRUE(WriteBytes(m_path, content));
        ModVars vars = FreshState();
        SetScore(vars, 0, "5", "5", "9", "8");
        SetScore(vars, 1, "5", "5", "9", "8");
        vars.TeamList = "1,x";
        LoadFromFile(vars, m_path);
        return ResultsLine(vars) + QByteArray::number(vars.ManualOrderFlag);
    }

    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath("results.txt");
};

} // namespace

TEST_F(ResultsFile, SaveWritesOneLineOfEntriesAndTheTeamList)
{
    ModVars vars = FreshState();
    ASSERT_TRUE(SaveToFile(vars, m_path));
    EXPECT_EQ(FileBytes(m_path), QByteArray(",|").repeated(31) + kInitialTeamList + "\r\n");
    SetScore(vars, 0, "1", "0");
    SetScore(vars, 24, "1", "1", "4", "3");
    SetScore(vars, 5, "2", "2", "", "3");  // penalties2 alone is not written
    SetScore(vars, 26, "0", "0", "4", ""); // four values, the last empty
    const QList<QByteArray> fields = ResultsLine(vars).split('|');
    ASSERT_EQ(fields.size(), 32);
    EXPECT_EQ(QList<QByteArray>({fields[0], fields[5], fields[24], fields[26]}),
              QList<QByteArray>({"1,0", "2,2", "1,1,4,3", "0,0,4,"}));
}

TEST_F(ResultsFile, SaveThenLoadRestoresEveryField)
{
    ModVars saved = FreshState();
    for (int r = 0; r < kMatchCount; ++r)
        SetScore(saved, r, QString::number(r % 5), QString::number(r % 3), r % 4 ? "" : QString::number(r),
                 r % 4 ? "" : "07");
    SetScore(saved, 26, "0", "0", "4", "");
    SetScore(saved, 27, "", "");
    saved.TeamList = kSwapped;
    ASSERT_TRUE(SaveToFile(saved, m_path));
    ModVars loaded = FreshState();
    LoadFromFile(loaded, m_path);
    EXPECT_EQ(loaded.MatchTable, saved.MatchTable);
    EXPECT_EQ(loaded.TeamList, saved.TeamList);
    EXPECT_EQ(loaded.ManualOrderFlag, 1);
}

TEST_F(ResultsFile, LoadReadsTheFirstLineByTheEntryRules)
{
    // Loaded over rows 0 and 1 at "5,5,9,8", the list "1,x" and the flag 0: the saved
    // line starts with `head` and ends with `tail` (the list, the line end, the flag).
    struct Case {
        QByteArray content, head, tail;
    };
    const QByteArray swapped = LineWith(0, "2,1", kSwapped);
    const QByteArray big(70 * 1024, '7');
    const QByteArray kList = "|" + kSwapped + "\r\n1", kStart = "5,5,9,8|5,5,9,8|,|", kKept = "|1,x\r\n1";
    const QByteArray initial = "|" + QByteArray(kInitialTeamList) + "\r\n0", three = QByteArray("3,3|");
    // clang-format off
    const Case cases[] = {
        // Every kind of line end; what follows is ignored, even far past the first read.
        {swapped + "\r\n" + LineWith(0, "7,7"), "2,1|,|,|", kList}, {swapped + "\n" + big + "\n" + big, "2,1|,|,|", kList},
        {swapped + "\r" + big, "2,1|,|,|", kList}, {swapped, "2,1|,|,|", kList},
        {"", kStart, "|1,x\r\n0"}, {"\r\n4,0|\r\n", kStart, "|1,x\r\n0"},
        // Two values clear the penalties, four set them, three or none leave the row; a short
        // line leaves the rest and the list, and the flag follows that list.
        {"1,2|3,4,5,6|\r\n", "1,2|3,4,5,6|,|", kKept}, {"1,2,3||\r\n", kStart, kKept}, {"4,0|,|2,2|", "4,0|,|2,2|,|", kKept},
        // 31 entries: without the last bar there is no list; with it, an empty list.
        {three.repeated(30) + "1,1", "3,3|3,3|" + three.repeated(28) + "1,1|", kKept},
        {three.repeated(31), "3,3|3,3|" + three.repeated(29), "3,3|\r\n0"},
        // Fields after the list are ignored; a line longer than one read is read whole.
        {LineWith(0, "3,1") + "|9,9|more", "3,1|,|", initial}, {"1,2|" + big + "|" + LineWith(0, "6,6").mid(6), "1,2|5,5,9,8|,|", initial},
    };
    // clang-format on
    for (const Case &c : cases) {
        const QByteArray loaded = LoadOver(c.content);
        EXPECT_TRUE(loaded.startsWith(c.head) && loaded.endsWith(c.tail))
            << c.content.left(60).constData() << " gave " << loaded.constData();
    }
}

TEST_F(ResultsFile, FlagFromTheFirstElementWhenItIsAnInteger)
{
    const std::pair<const char *, int> cases[] = {
        {"0,Portugal", 0}, {" 1 ,Portugal", 1},         {"-3", -3},   {"abc,Portugal", 5}, {"3abc", 5},
        {"", 5},           {"99999999999999999999", 5}, {"40000", 5}, {"32767", 32767},    {"-32768", -32768},
        {"-32769", 5}};
    for (const auto &[list, flag] : cases) {
        ModVars vars = FreshState();
        vars.ManualOrderFlag = 5;
        ApplyResultsLine(vars, LineWith(0, ",", list));
        EXPECT_EQ(vars.ManualOrderFlag, flag) << list;
        EXPECT_EQ(vars.TeamList, list);
    }
}

TEST_F(ResultsFile, HostileInputNeverBreaksTheLoaderOrTheRefresh)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919 + 13) % 256);
    for (const QByteArray &content :
         {garbage, QByteArray(40, '|'), QByteArray("|||,,,|||"), LineWith(0, "99999999999999999999,-5")}) {
        ASSERT_TRUE(WriteBytes(m_path, content));
        ModVars vars;
        StartupSequence(vars, m_path, {});
        SetVarsMatch(vars);
        ASSERT_TRUE(SaveToFile(vars, m_path));
        ModVars again;
        StartupSequence(again, m_path, {});
        EXPECT_EQ(ResultsLine(again), ResultsLine(vars));
    }
    // The huge number reads as a huge, positive number; texts are stored as they are.
    ModVars vars;
    StartupSequence(vars, m_path, {});
    EXPECT_EQ(vars.MatchTable[0][Match::goals1] + " " + vars.GroupTeams[0][0][Col::Name],
              "99999999999999999999 Switzerland");
    EXPECT_EQ(ValueOf(vars.GroupTeams[0][0][Col::GF]), kNumberLimit);
}
