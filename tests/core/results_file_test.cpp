// The results file: the line a save writes, what a load reads from it, what a
// load keeps under faults, and saves that must not lose the file.

#include "test_util.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
        EXPECT_TRUE(content.isNull() || WriteBytes(m_path, content));
        ModVars vars = FreshState();
        SetScore(vars, 0, "5", "5", "9", "8");
        SetScore(vars, 1, "5", "5", "9", "8");
        vars.TeamList = "1,x";
        m_whole = LoadFromFile(vars, m_path);
        return ResultsLine(vars) + QByteArray::number(vars.ManualOrderFlag);
    }

    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath("results.txt");
    bool m_whole = false;
};

} // namespace

TEST_F(ResultsFile, LoadReadsTheFirstLineByTheEntryRulesAndSaysWhetherASaveLosesNothing)
{
    // Loaded over rows 0 and 1 at "5,5,9,8", the list "1,x" and the flag 0: the saved
    // line starts with `head` and ends with `tail` (the list, the line end, the flag);
    // `whole` when a save over the file would write back all that it holds.
    using Case = std::tuple<QByteArray, QByteArray, QByteArray, bool>; // content, head, tail, whole
    const QByteArray swapped = LineWith(0, "2,1", kSwapped), first = "2,1|,|,|", big(70 * 1024, '7');
    const QByteArray kList = "|" + kSwapped + "\r\n1", kStart = "5,5,9,8|5,5,9,8|,|", kKept = "|1,x\r\n1";
    const QByteArray initial = "|" + QByteArray(kInitialTeamList) + "\r\n0", three = QByteArray("3,3|");
    // clang-format off
    const Case cases[] = {
        // Every kind of line end, a byte order mark; what follows is ignored, even far past the first read.
        {swapped + "\r\n", first, kList, true}, {swapped + "\n", first, kList, true}, {swapped, first, kList, true},
        {"\xEF\xBB\xBF" + swapped + "\r\n", first, kList, true}, {swapped + "\r\n" + LineWith(0, "7,7"), first, kList, false},
        {swapped + "\n" + big + "\n" + big, first, kList, false}, {swapped + "\r" + big, first, kList, false},
        // Empty or missing, a blank first line, bytes that are no results file, a line cut short.
        {"", kStart, "|1,x\r\n0", true}, {{}, kStart, "|1,x\r\n0", true}, {"\r\n4,0|\r\n", kStart, "|1,x\r\n0", false},
        {QByteArray("\x00\xff\x13|,\x7f", 6), "", "", false}, {LineWith(0, "1,0").left(30), "1,0|,|", kKept, false},
        // Two values clear the penalties, four set them, three or none leave the row; a short
        // line leaves the rest and the list, and the flag follows that list.
        {"1,2|3,4,5,6|\r\n", "1,2|3,4,5,6|,|", kKept, false}, {"1,2,3||\r\n", kStart, kKept, false},
        // A save writes the penalties when the first is there, the second alone not.
        {"2,2,,3|0,0,4,|\r\n", "2,2|0,0,4,|,|", kKept, false},
        {"4,0|,|2,2|", "4,0|,|2,2|,|", kKept, false},
        // 31 entries: without the last bar there is no list; with it, an empty list.
        {three.repeated(30) + "1,1", "3,3|3,3|" + three.repeated(28) + "1,1|", kKept, false},
        {three.repeated(31), "3,3|3,3|" + three.repeated(29), "3,3|\r\n0", true},
        // Fields after the list are ignored; a line longer than one read is read whole.
        {LineWith(0, "3,1") + "|9,9|more", "3,1|,|", initial, false},
        {"1,2|" + big + "|" + LineWith(0, "6,6").mid(6), "1,2|5,5,9,8|,|", initial, false},
    };
    // clang-format on
    for (const auto &[content, head, tail, whole] : cases) {
        const QByteArray loaded = LoadOver(content);
        EXPECT_TRUE(loaded.startsWith(head) && loaded.endsWith(tail) && m_whole == whole)
            << content.left(60).toPercentEncoding(" ,|").constData() << " gave " << loaded.constData() << " "
            << m_whole;
    }
}

TEST_F(ResultsFile, FlagFromTheFirstElementWhenItIsAnInteger)
{
    // clang-format off
    const std::pair<const char *, int> cases[] = {{"0,Portugal", 0}, {" 1 ,Portugal", 1}, {"-3", -3}, {"abc,Portugal", 5},
        {"3abc", 5}, {"", 5}, {"99999999999999999999", 5}, {"40000", 5}, {"32767", 32767}, {"-32768", -32768},
        {"-32769", 5}, {"1.0", 5}};
    // clang-format on
    for (const auto &[list, flag] : cases) {
        ModVars vars = FreshState();
        vars.ManualOrderFlag = 5;
        ApplyResultsLine(vars, LineWith(0, ",", list));
        EXPECT_EQ(vars.ManualOrderFlag, flag) << list;
        EXPECT_EQ(StoredSwitch(vars), flag != 0) << "the manual order window reads it as the loader does";
    }
}

// A save in a child process, with writes limited to 16 bytes as on a full disk
// (they fail with EFBIG), or else as nobody when root, who writes everywhere:
// a folder that refuses new files takes the save in the file itself.
TEST(FileFaults, ASaveThatFailsNeverReplacesTheFile)
{
    using P = QFileDevice;
    for (const bool fullDisk : {true, false}) {
        SCOPED_TRACE(fullDisk ? "full disk" : "folder refuses new files, the file does not");
        QTemporaryDir dir;
        const QString path = dir.filePath("results.txt");
        const QByteArray old = LineWith(0, "1,0") + "\r\n";
        ASSERT_TRUE(WriteBytes(path, old));
        if (!fullDisk) {
            QFile::setPermissions(path, P::ReadOwner | P::WriteOwner | P::ReadOther | P::WriteOther);
            QFile::setPermissions(dir.path(), P::ReadOwner | P::ExeOwner | P::ReadOther | P::ExeOther);
        }
        ModVars vars = FreshState();
        SetScore(vars, 0, "3", "1");
        const rlimit limit{16, 16};
        const pid_t pid = fork();
        if (pid == 0) {
            const bool ready =
                fullDisk ? std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &limit) == 0
                         : geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
            _exit(ready ? !SaveToFile(vars, path) : 2); // the exit status says whether the save succeeded
        }
        int status = -1;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2);
        EXPECT_EQ(WEXITSTATUS(status) == 0, !fullDisk);
        EXPECT_EQ(FileBytes(path), fullDisk ? old : ResultsLine(vars));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.txt"});
        QFile::setPermissions(dir.path(), P::ReadOwner | P::WriteOwner | P::ExeOwner);
    }
}
