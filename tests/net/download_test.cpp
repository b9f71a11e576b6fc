#include "storage/Download.h"

#include "test_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

using namespace fixturo;
using namespace fixturo::test;

namespace {

const QByteArray kOriginal = "1,0|2,2|,|local results that must survive a failed update\r\n";
const QByteArray kPublished = "3,1|0,0|,|1,1,4,3|0,Portugal,Turkey\r\n";
const QString kPath = QStringLiteral("/files/results.txt");

struct Outcome {
    bool ok = false;
    int finishedCount = 0;
    qint64 elapsedMs = 0;
    qint64 mostReported = 0; // the largest byte count that progress() reported
    QString error;
};

class Download : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(WriteBytes(m_target, kOriginal)); }

    // Runs one transfer to its end, cancelled after `cancelAfterMs` if given.
    Outcome Run(const QUrl &source, int idleTimeoutMs = 10000, int cancelAfterMs = -1)
    {
        Outcome outcome;
        ResultsDownload download(source, m_target);
        download.setIdleTimeoutMs(idleTimeoutMs);
        QEventLoop loop;
        QObject::connect(&download, &ResultsDownload::finished, &loop, [&](bool ok) {
            outcome.ok = ok;
            ++outcome.finishedCount;
            loop.quit();
        });
        QObject::connect(&download, &ResultsDownload::progress, [&](qint64 received, qint64) {
            outcome.mostReported = std::max(outcome.mostReported, received);
        });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        if (cancelAfterMs >= 0)
            QTimer::singleShot(cancelAfterMs, &download, &ResultsDownload::cancel);
        QElapsedTimer clock;
        clock.start();
        download.start();
        EXPECT_EQ(outcome.finishedCount, 0) << "a caller that waits after start() would miss the report";
        if (outcome.finishedCount == 0)
            loop.exec();
        outcome.elapsedMs = clock.elapsed();
        outcome.error = download.errorString();
        QCoreApplication::processEvents(); // a late second report would count here
        return outcome;
    }

    // The target holds what it held before, and no temporary file is left.
    void ExpectUntouched(const Outcome &outcome) const
    {
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.finishedCount, 1);
        EXPECT_FALSE(outcome.error.isEmpty());
        EXPECT_EQ(FileBytes(m_target), kOriginal);
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.txt"});
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_serverDir;
    const QString m_target = m_dir.filePath(QStringLiteral("results.txt"));
};

} // namespace

// The decisions at the edges that the servers below do not reach.
TEST(DownloadRules, EdgesOfTheStatusTheLimitAndTheAddress)
{
    EXPECT_TRUE(AcceptableStatus(204));
    EXPECT_FALSE(AcceptableStatus(199));
    EXPECT_FALSE(AcceptableStatus(304));
    EXPECT_TRUE(WithinLimit(64, 64, 64)) << "a body of exactly the limit is allowed";
    EXPECT_TRUE(CompleteBody(-1, 1234)) << "without an announced length, whatever came is whole";
    const QUrl expected(QStringLiteral("http://example.org:8000/files/results.txt"));
    EXPECT_EQ(ResultsFileUrl(QStringLiteral("http://example.org:8000")), expected);
    EXPECT_EQ(ResultsFileUrl(QStringLiteral(" http://example.org:8000// ")), expected);
}

TEST_F(Download, ACompleteTransferReplacesTheFile)
{
    ASSERT_TRUE(QDir(m_serverDir.path()).mkpath(QStringLiteral("files")));
    ASSERT_TRUE(WriteBytes(m_serverDir.path() + kPath, kPublished));
    TestServer server;
    ASSERT_TRUE(server.StartStatic(m_serverDir.path()));

    const Outcome outcome = Run(server.Url(kPath));
    EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(outcome.finishedCount, 1);
    EXPECT_EQ(outcome.mostReported, kPublished.size());
    EXPECT_EQ(FileBytes(m_target), kPublished);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.txt"});
}

TEST_F(Download, AMissingFileOnTheServerFails)
{
    TestServer server;
    ASSERT_TRUE(server.StartStatic(m_serverDir.path()));

    const Outcome outcome = Run(server.Url(kPath));
    EXPECT_TRUE(outcome.error.contains(QStringLiteral("404"))) << outcome.error.toStdString();
    ExpectUntouched(outcome);
}

TEST_F(Download, ARefusedConnectionFails)
{
    const quint16 port = RefusingPort();
    ASSERT_NE(port, 0);
    ExpectUntouched(Run(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(kPath))));
}

TEST_F(Download, OnlyHttpAddressesAreFetched)
{
    const QString local = m_serverDir.filePath(QStringLiteral("elsewhere.txt"));
    ASSERT_TRUE(WriteBytes(local, kPublished));
    for (const QUrl &source :
         {QUrl::fromLocalFile(local), QUrl(QStringLiteral("ftp://127.0.0.1/results.txt")),
          QUrl(QStringLiteral("not an address"))})
        ExpectUntouched(Run(source));
}

TEST_F(Download, CancelEndsTheTransferAndKeepsTheFile)
{
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QStringLiteral("silent")));

    const Outcome outcome = Run(server.Url(kPath), 60000, 200);
    EXPECT_LT(outcome.elapsedMs, 20000) << "cancel, not the idle timeout, ended it";
    ExpectUntouched(outcome);
}

// misbehaving_server.py in one mode, with a short idle timeout that only the
// silent server reaches. `body` is what the file holds after a success; a mode
// without one must fail and leave the file as it was.
struct Mode {
    const char *name;
    const char *body = nullptr;
};

void PrintTo(const Mode &mode, std::ostream *os)
{
    *os << mode.name;
}

class Misbehaving : public Download, public ::testing::WithParamInterface<Mode> {};

TEST_P(Misbehaving, FailsKeepingTheFileOrDeliversExactlyTheBody)
{
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QString::fromLatin1(GetParam().name)));
    const Outcome outcome = Run(server.Url(kPath), 1000);
    EXPECT_LT(outcome.elapsedMs, 8000);
    if (!GetParam().body)
        return ExpectUntouched(outcome);
    EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_TRUE(QFile::exists(m_target));
    EXPECT_EQ(FileBytes(m_target), QByteArray(GetParam().body));
}

// The successes: an empty body, a redirect's own body left out, data slower
// than the idle timeout in all but never idle that long, a request that asks
// for a fresh, unencoded copy.
INSTANTIATE_TEST_SUITE_P(Modes, Misbehaving,
                         ::testing::Values(Mode{"silent"}, Mode{"short"}, Mode{"big"},
                                           Mode{"big_unannounced"}, Mode{"redirect_loop"}, Mode{"error"},
                                           Mode{"reset"}, Mode{"empty", ""}, Mode{"redirect_once", "GOOD"},
                                           Mode{"trickle", "GOODGOOD"}, Mode{"fresh", "GOOD"}),
                         [](const auto &mode) { return std::string(mode.param.name); });

int main(int argc, char **argv)
{
    UnsetProxies();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
