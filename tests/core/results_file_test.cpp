// The results file: the line a save writes, what a load reads from it, what a
// load keeps under faults, and saves that must not lose the file.

#include "support/TestSupport.h"

#include "storage/ResultsFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace fixturo;
using namespace fixturo::test;

namespace {

const QByteArray kInitial = ManualOrder::kInitialText;
const QByteArray kSwapped = "1,Turkey,Portugal,Switzerland,Czech Republic,Austria,Croatia,Germany,Poland,"
                            "France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden";

// A line whose entry `index` is `entry` and the others ",".
QByteArray lineWith(int index, const QByteArray &entry, const QByteArray &manualOrder = kInitial)
{
    QList<QByteArray> fields(kMatchCount, ",");
    fields[index] = entry;
    return fields.join('|') + '|' + manualOrder;
}

} // namespace

// Loaded over a championship whose rows 0 and 1 hold "5,5,9,8" and whose manual
// order is "1,x": the saved line starts with `savedStart` and ends with
// `savedEnd`, the manual order is `on`; `whole` when a save over the file
// writes back all that it holds.
TEST(ResultsFile, LoadReadsTheFirstLineByTheEntryRulesAndSaysWhetherASaveLosesNothing)
{
    struct Case {
        const char *name;
        QByteArray content, savedStart, savedEnd;
        bool on, whole;
    };
    const QByteArray swapped = lineWith(0, "2,1", kSwapped), first = "2,1|,|,|", big(70 * 1024, '7');
    const QByteArray list = "|" + kSwapped + "\r\n", kept = "|1,x\r\n", unread = "5,5,9,8|5,5,9,8|,|",
                     three = "3,3|";
    // clang-format off
    const Case cases[] = {
        {.name = "CR LF", .content = swapped + "\r\n", .savedStart = first, .savedEnd = list, .on = true, .whole = true},
        {.name = "LF", .content = swapped + "\n", .savedStart = first, .savedEnd = list, .on = true, .whole = true},
        {.name = "no line end", .content = swapped, .savedStart = first, .savedEnd = list, .on = true, .whole = true},
        {.name = "byte order mark", .content = "\xEF\xBB\xBF" + swapped + "\r\n", .savedStart = first, .savedEnd = list, .on = true, .whole = true},
        {.name = "lines far past the first read", .content = swapped + "\n" + big + "\n" + big, .savedStart = first, .savedEnd = list, .on = true, .whole = false},
        {.name = "CR then more", .content = swapped + "\r" + big, .savedStart = first, .savedEnd = list, .on = true, .whole = false},
        {.name = "empty", .content = "", .savedStart = unread, .savedEnd = kept, .on = true, .whole = true},
        {.name = "missing", .content = {}, .savedStart = unread, .savedEnd = kept, .on = true, .whole = true},
        {.name = "blank first line", .content = "\r\n4,0|\r\n", .savedStart = unread, .savedEnd = kept, .on = true, .whole = false},
        {.name = "no results file", .content = QByteArray("\x00\xff\x13|,\x7f", 6), .savedStart = "5,5,9,8|", .savedEnd = kept, .on = true, .whole = false},
        {.name = "cut short", .content = lineWith(0, "1,0").left(30), .savedStart = "1,0|,|", .savedEnd = kept, .on = true, .whole = false},
        {.name = "two values clear the penalties, four set them", .content = "1,2|3,4,5,6|\r\n", .savedStart = "1,2|3,4,5,6|,|", .savedEnd = kept, .on = true, .whole = false},
        {.name = "three values or none leave the match", .content = "1,2,3||\r\n", .savedStart = unread, .savedEnd = kept, .on = true, .whole = false},
        {.name = "penalties saved when the first is there", .content = "2,2,,3|0,0,4,|\r\n", .savedStart = "2,2|0,0,4,|,|", .savedEnd = kept, .on = true, .whole = false},
        {.name = "31 entries without the last bar", .content = three.repeated(30) + "1,1", .savedStart = "3,3|3,3|" + three.repeated(28) + "1,1|", .savedEnd = kept, .on = true, .whole = false},
        {.name = "31 entries, empty manual order", .content = three.repeated(31), .savedStart = "3,3|3,3|" + three.repeated(29), .savedEnd = "3,3|\r\n", .on = true, .whole = true},
        {.name = "fields after the manual order", .content = lineWith(0, "3,1") + "|9,9|more", .savedStart = "3,1|,|", .savedEnd = "|" + kInitial + "\r\n", .on = false, .whole = false},
        {.name = "a score that is no number", .content = lineWith(1, "abc,-5") + "\r\n", .savedStart = ",|5,5,9,8|,|", .savedEnd = "|" + kInitial + "\r\n", .on = false, .whole = false},
        {.name = "a score longer than any match gives", .content = lineWith(1, "1000000000000000,0") + "\r\n", .savedStart = ",|5,5,9,8|,|", .savedEnd = "|" + kInitial + "\r\n", .on = false, .whole = false},
        {.name = "two byte order marks", .content = "\xEF\xBB\xBF\xEF\xBB\xBF" + swapped + "\r\n", .savedStart = "5,5,9,8|,|,|", .savedEnd = list, .on = true, .whole = false},
        {.name = "one line over a mebibyte", .content = swapped + QByteArray(1 << 20, 'x'), .savedStart = first, .savedEnd = "x\r\n", .on = true, .whole = false},
        {.name = "a line longer than one read", .content = "1,2|" + big + "|" + lineWith(0, "6,6").mid(6), .savedStart = "1,2|5,5,9,8|,|", .savedEnd = "|" + kInitial + "\r\n", .on = false, .whole = false},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("results.txt");
        ASSERT_TRUE(c.content.isNull() || writeBytes(path, c.content));
        Championship championship = initialChampionship();
        championship.matches[0].score = championship.matches[1].score = {"5", "5", "9", "8"};
        championship.manualOrder.readText("1,x");
        EXPECT_EQ(loadResultsFile(championship, path), c.whole);
        const QByteArray saved = resultsLine(championship);
        EXPECT_EQ(saved.left(c.savedStart.size()), c.savedStart);
        EXPECT_EQ(saved.right(c.savedEnd.size()), c.savedEnd);
        EXPECT_EQ(championship.manualOrder.isOn(), c.on);
    }
}

// A download is a results file when its first line holds the 31 entries and
// every score in them is a number.
TEST(ResultsFile, ADownloadIsAResultsFileWhenItsEntriesAndScoresAre)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        bool accepted;
    };
    // clang-format off
    const Case cases[] = {
        {.name = "results with a byte order mark", .bytes = "\xEF\xBB\xBF" + lineWith(24, "1,1,4,3") + "\r\nmore", .accepted = true},
        {.name = "thirty entries", .bytes = lineWith(0, "1,0").mid(4), .accepted = false},
        {.name = "a score that is no number", .bytes = lineWith(3, "2,-1"), .accepted = false},
        {.name = "a penalty score that is no number", .bytes = lineWith(24, "1,1,x,3"), .accepted = false},
        {.name = "two byte order marks", .bytes = "\xEF\xBB\xBF\xEF\xBB\xBF" + lineWith(0, "1,0"), .accepted = false},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(notAResultsFile(c.bytes).isEmpty(), c.accepted);
    }
}

// Element 0 of the manual order sets the switch when it is an integer within
// 16 bits; otherwise it leaves the switch as it was.
TEST(ResultsFile, TheManualOrderSwitchIsAnIntegerWithin16Bits)
{
    struct Case {
        const char *name, *element;
        std::optional<bool> on;
    };
    // clang-format off
    const Case cases[] = {
        {.name = "zero", .element = "0", .on = false},
        {.name = "one between blanks", .element = " 1 ", .on = true},
        {.name = "largest", .element = "32767", .on = true},
        {.name = "digits then letters", .element = "3abc", .on = std::nullopt},
        {.name = "beyond 16 bits", .element = "40000", .on = std::nullopt},
        {.name = "below 16 bits", .element = "-32769", .on = std::nullopt},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(switchValue(QString::fromLatin1(c.element)), c.on);
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
        const QByteArray old = lineWith(0, "1,0") + "\r\n";
        ASSERT_TRUE(writeBytes(path, old));
        if (!fullDisk) {
            QFile::setPermissions(path, P::ReadOwner | P::WriteOwner | P::ReadOther | P::WriteOther);
            QFile::setPermissions(dir.path(), P::ReadOwner | P::ExeOwner | P::ReadOther | P::ExeOther);
        }
        Championship championship = initialChampionship();
        championship.matches[0].score = {"3", "1"};
        const rlimit limit{16, 16};
        const pid_t pid = fork();
        if (pid == 0) {
            const bool ready =
                fullDisk ? std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &limit) == 0
                         : geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
            _exit(ready ? !saveResultsFile(championship, path) : 2); // the exit status: 0 when saved
        }
        int status = -1;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_NE(WEXITSTATUS(status), 2) << "the child could not limit itself";
        EXPECT_EQ(WEXITSTATUS(status) == 0, !fullDisk);
        EXPECT_EQ(fileBytes(path), fullDisk ? old : resultsLine(championship));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.txt"});
        QFile::setPermissions(dir.path(), P::ReadOwner | P::WriteOwner | P::ExeOwner);
    }
}
