// The results file: the line a save writes, what a load reads from it, what a
// load keeps under faults, and saves that must not lose the file.

#include "support/TestSupport.h"

#include "storage/ResultsFile.h"

#include <QDir>
#include <QTemporaryDir>

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
// writes back all that it holds. A download is taken as a results file
// (`download`) when its first line holds the 31 entries and every score in
// them is a number.
TEST(ResultsFile, LoadAndDownloadReadTheFirstLineByTheEntryRules)
{
    struct Case {
        const char *name;
        QByteArray content, savedStart, savedEnd;
        bool on, whole, download;
    };
    const QByteArray swapped = lineWith(0, "2,1", kSwapped), first = "2,1|,|,|", big(70 * 1024, '7');
    const QByteArray list = "|" + kSwapped + "\r\n", kept = "|1,x\r\n", unread = "5,5,9,8|5,5,9,8|,|",
                     three = "3,3|";
    // clang-format off
    const Case cases[] = {
        {.name = "CR LF", .content = swapped + "\r\n", .savedStart = first, .savedEnd = list, .on = true, .whole = true, .download = true},
        {.name = "LF", .content = swapped + "\n", .savedStart = first, .savedEnd = list, .on = true, .whole = true, .download = true},
        {.name = "no line end", .content = swapped, .savedStart = first, .savedEnd = list, .on = true, .whole = true, .download = true},
        {.name = "byte order mark", .content = "\xEF\xBB\xBF" + swapped + "\r\n", .savedStart = first, .savedEnd = list, .on = true, .whole = true, .download = true},
        {.name = "lines far past the first read", .content = swapped + "\n" + big + "\n" + big, .savedStart = first, .savedEnd = list, .on = true, .whole = false, .download = true},
        {.name = "CR then more", .content = swapped + "\r" + big, .savedStart = first, .savedEnd = list, .on = true, .whole = false, .download = true},
        {.name = "empty", .content = "", .savedStart = unread, .savedEnd = kept, .on = true, .whole = true, .download = false},
        {.name = "missing", .content = {}, .savedStart = unread, .savedEnd = kept, .on = true, .whole = true, .download = false},
        {.name = "blank first line", .content = "\r\n4,0|\r\n", .savedStart = unread, .savedEnd = kept, .on = true, .whole = false, .download = false},
        {.name = "no results file", .content = QByteArray("\x00\xff\x13|,\x7f", 6), .savedStart = "5,5,9,8|", .savedEnd = kept, .on = true, .whole = false, .download = false},
        {.name = "cut short", .content = lineWith(0, "1,0").left(30), .savedStart = "1,0|,|", .savedEnd = kept, .on = true, .whole = false, .download = false},
        {.name = "two values clear the penalties, four set them", .content = "1,2|3,4,5,6|\r\n", .savedStart = "1,2|3,4,5,6|,|", .savedEnd = kept, .on = true, .whole = false, .download = false},
        {.name = "three values or none leave the match", .content = "1,2,3||\r\n", .savedStart = unread, .savedEnd = kept, .on = true, .whole = false, .download = false},
        {.name = "penalties saved when the first is there", .content = "2,2,,3|0,0,4,|\r\n", .savedStart = "2,2|0,0,4,|,|", .savedEnd = kept, .on = true, .whole = false, .download = false},
        {.name = "31 entries without the last bar", .content = three.repeated(30) + "1,1", .savedStart = "3,3|3,3|" + three.repeated(28) + "1,1|", .savedEnd = kept, .on = true, .whole = false, .download = false},
        {.name = "31 entries, empty manual order", .content = three.repeated(31), .savedStart = "3,3|3,3|" + three.repeated(29), .savedEnd = "3,3|\r\n", .on = true, .whole = true, .download = true},
        {.name = "fields after the manual order", .content = lineWith(0, "3,1") + "|9,9|more", .savedStart = "3,1|,|", .savedEnd = "|" + kInitial + "\r\n", .on = false, .whole = false, .download = false},
        {.name = "a manual order of two elements", .content = lineWith(0, "1,0", "0,x") + "\r\n", .savedStart = "1,0|,|", .savedEnd = "|0,x\r\n", .on = false, .whole = true, .download = true},
        {.name = "a score that is no number", .content = lineWith(1, "abc,-5") + "\r\n", .savedStart = ",|5,5,9,8|,|", .savedEnd = "|" + kInitial + "\r\n", .on = false, .whole = false, .download = false},
        {.name = "a penalty score that is no number", .content = lineWith(24, "1,1,x,3") + "\r\n", .savedStart = ",|,|,|", .savedEnd = "|" + kInitial + "\r\n", .on = false, .whole = false, .download = false},
        {.name = "a score longer than any match gives", .content = lineWith(1, "1000000000000000,0") + "\r\n", .savedStart = ",|5,5,9,8|,|", .savedEnd = "|" + kInitial + "\r\n", .on = false, .whole = false, .download = false},
        {.name = "two byte order marks", .content = "\xEF\xBB\xBF\xEF\xBB\xBF" + swapped + "\r\n", .savedStart = "5,5,9,8|,|,|", .savedEnd = list, .on = true, .whole = false, .download = false},
        {.name = "one line over a mebibyte", .content = swapped + QByteArray(1 << 20, 'x'), .savedStart = first, .savedEnd = "x\r\n", .on = true, .whole = false, .download = true},
        {.name = "a line longer than one read", .content = "1,2|" + big + "|" + lineWith(0, "6,6").mid(6), .savedStart = "1,2|5,5,9,8|,|", .savedEnd = "|" + kInitial + "\r\n", .on = false, .whole = false, .download = true},
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
        EXPECT_EQ(notAResultsFile(c.content).isEmpty(), c.download);
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
        const std::optional<ChildWrite> saved =
            inChild(fullDisk ? Limit::FullDisk : Limit::Nobody,
                    [&](QString *) { return saveResultsFile(championship, path); });
        ASSERT_TRUE(saved) << "the child could not limit itself";
        EXPECT_EQ(saved->succeeded, !fullDisk);
        EXPECT_EQ(fileBytes(path), fullDisk ? old : resultsLine(championship));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.txt"});
        QFile::setPermissions(dir.path(), P::ReadOwner | P::WriteOwner | P::ExeOwner);
    }
}
