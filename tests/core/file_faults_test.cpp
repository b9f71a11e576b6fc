// Results files under faults: what a load keeps, and saves that must not lose
// the file.

#include "test_util.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace fixturo;
using namespace fixturo::test;

namespace {

// 31 lone "," entries, the first ones replaced by `entries`, then the team list.
QByteArray Line(const QByteArray &entries = ",")
{
    const QList<QByteArray> given = entries.split('|');
    return given.join('|') + QByteArray("|,").repeated(kMatchCount - given.size()) + '|' + kInitialTeamList;
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

TEST(FileFaults, ALoadSaysWhetherASaveWouldLoseWhatTheFileHolds)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        bool readWhole;         // nothing would be lost by a save over it
        QByteArray match1 = {}; // match 1's entry as a save writes it, when checked
    };
    const Case cases[] = {
        {"program's own", Line("1,0|2,2|,|,|,|1,1") + "\r\n", true, "1,0"},
        {"line feed only", Line("1,0") + "\n", true, "1,0"},
        {"byte order mark", "\xEF\xBB\xBF" + Line("1,0") + "\r\n", true, "1,0"},
        {"empty", "", true},
        {"missing", {}, true},
        {"blank first line", "\r\n" + Line("1,0") + "\r\n", false, ","},
        {"binary junk", QByteArray("\x00\xff\x13|,\x7f", 6), false},
        {"cut short", Line("1,0").left(30), false, "1,0"},
        {"too few entries", "1,0|2,2|0,Portugal\r\n", false, "1,0"},
        {"more lines", Line() + "\r\nnotes\r\n", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("results.txt");
        if (!c.bytes.isNull())
            Write(path, c.bytes);
        ModVars vars = FreshState();
        EXPECT_EQ(LoadFromFile(vars, path), c.readWhole);
        EXPECT_TRUE(c.match1.isEmpty() || ResultsLine(vars).split('|').front() == c.match1);
    }
}

// The window's check box reads the switch as the loader sets it.
TEST(FileFaults, TheManualOrderWindowReadsTheSwitchAsTheLoaderDoes)
{
    for (const char *element : {"1abc", "1.0", "1", " 1 ", "0", "x", "2"}) {
        SCOPED_TRACE(element);
        ModVars vars = FreshState();
        ApplyResultsLine(vars, Line().replace("|0,", QByteArray("|") + element + ","));
        EXPECT_EQ(StoredSwitch(vars), vars.ManualOrderFlag != 0);
    }
}

// Match 1 is Switzerland - Czech Republic; the standings leave ",3" out, so
// all of group A stay on 0 points and nothing may move them.
TEST(FileFaults, HeadToHeadSkipsAMatchWithoutItsFirstGoals)
{
    ModVars vars = FreshState();
    SetScore(vars, 0, "", "3");
    Refresh(vars);
    EXPECT_EQ(Order(vars, 0), QStringList({"Portugal", "Turkey", "Switzerland", "Czech Republic"}));
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
        const QByteArray old = Line("1,0|2,2") + "\r\n";
        Write(path, old);
        if (!fullDisk) {
            QFile::setPermissions(path, P::ReadOwner | P::WriteOwner | P::ReadOther | P::WriteOther);
            QFile::setPermissions(dir.path(), P::ReadOwner | P::ExeOwner | P::ReadOther | P::ExeOther);
        }
        ModVars vars = FreshState();
        SetScore(vars, 0, "3", "1");
        const rlimit limit{16, 16};
        const pid_t pid = fork();
        if (pid == 0) {
            if (fullDisk &&
                (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limit) != 0))
                _exit(2);
            if (!fullDisk && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(2);
            _exit(SaveToFile(vars, path) ? 0 : 1); // the exit status says whether the save succeeded
        }
        int status = -1;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2);
        EXPECT_EQ(WEXITSTATUS(status) == 0, !fullDisk);
        EXPECT_EQ(Bytes(path), fullDisk ? old : ResultsLine(vars));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.txt"});
        QFile::setPermissions(dir.path(), P::ReadOwner | P::WriteOwner | P::ExeOwner);
    }
}

} // namespace
