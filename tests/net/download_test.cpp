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
#include <functional>

using namespace fixturo;
using fixturo::test::FileBytes;
using fixturo::test::TestServer;
using fixturo::test::WriteBytes;

namespace {

const QByteArray kOriginal = "1,0|2,2|,|local results that must survive a failed update\r\n";
const QByteArray kPublished = "3,1|0,0|,|1,1,4,3|0,Portugal,Turkey\r\n";

struct Outcome {
    bool ok = false;
    int finishedCount = 0;
    bool finishedInsideStart = false;
    qint64 elapsedMs = 0;
    qint64 mostReported = 0; // the largest byte count that progress() reported
    int progressCount = 0;
    QString error;
};

class Download : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_target = m_dir.filePath(QStringLiteral("results.txt"));
        ASSERT_TRUE(WriteBytes(m_target, kOriginal));
    }

    // Runs one transfer to its end; `during` may act on the running download.
    Outcome Run(const QUrl &source, int idleTimeoutMs = 10000,
                const std::function<void(ResultsDownload &)> &during = {})
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
            ++outcome.progressCount;
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
            ADD_FAILURE() << "the download did not end within 30 s";
            loop.quit();
        });

        QElapsedTimer clock;
        clock.start();
        download.start();
        outcome.finishedInsideStart = outcome.finishedCount > 0;
        if (during)
            during(download);
        guard.start(30000);
        if (outcome.finishedCount == 0)
            loop.exec();
        outcome.elapsedMs = clock.elapsed();
        outcome.error = download.errorString();
        // A late second report would show here.
        QCoreApplication::processEvents();
        return outcome;
    }

    // The target holds what it held before, and no temporary file is left.
    void ExpectUntouched() const
    {
        EXPECT_EQ(FileBytes(m_target), kOriginal);
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.txt"});
    }

    // A served folder with files/results.txt holding `bytes`.
    QString ServedFolder(const QByteArray &bytes)
    {
        const QString root = m_serverDir.filePath(QStringLiteral("www"));
        EXPECT_TRUE(QDir().mkpath(root + QStringLiteral("/files")));
        EXPECT_TRUE(WriteBytes(root + QStringLiteral("/files/results.txt"), bytes));
        return root;
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_serverDir;
    QString m_target;
};

} // namespace

// --- Decisions made without the network -----------------------------------

TEST(DownloadRules, OnlyA2xxStatusDeliversTheFile)
{
    for (int status : {200, 201, 203, 204, 299})
        EXPECT_TRUE(AcceptableStatus(status)) << status;
    for (int status : {-1, 0, 100, 199, 300, 301, 304, 400, 404, 500, 503})
        EXPECT_FALSE(AcceptableStatus(status)) << status;
}

TEST(DownloadRules, TheLimitAppliesToTheAnnouncedAndTheReceivedLength)
{
    const qint64 max = 64 * 1024;
    EXPECT_TRUE(WithinLimit(-1, 0, max));
    EXPECT_TRUE(WithinLimit(max, max, max));
    EXPECT_TRUE(WithinLimit(-1, max, max));
    EXPECT_FALSE(WithinLimit(max + 1, 0, max)) << "an announced excess fails before any byte";
    EXPECT_FALSE(WithinLimit(-1, max + 1, max)) << "an unannounced excess fails once passed";
    EXPECT_FALSE(WithinLimit(10, max + 1, max));
}

TEST(DownloadRules, ABodyIsCompleteWhenItMatchesTheAnnouncedLength)
{
    EXPECT_TRUE(CompleteBody(-1, 0));
    EXPECT_TRUE(CompleteBody(-1, 1234));
    EXPECT_TRUE(CompleteBody(0, 0));
    EXPECT_TRUE(CompleteBody(500, 500));
    EXPECT_FALSE(CompleteBody(500, 100));
    EXPECT_FALSE(CompleteBody(500, 0));
}

TEST(DownloadRules, TheResultsFileLiesUnderFilesOfTheServer)
{
    const QUrl expected(QStringLiteral("http://example.org:8000/files/results.txt"));
    EXPECT_EQ(ResultsFileUrl(QStringLiteral("http://example.org:8000")), expected);
    EXPECT_EQ(ResultsFileUrl(QStringLiteral("http://example.org:8000/")), expected);
    EXPECT_EQ(ResultsFileUrl(QStringLiteral("http://example.org:8000//")), expected);
    EXPECT_EQ(ResultsFileUrl(QStringLiteral("https://example.org/mirror/")),
              QUrl(QStringLiteral("https://example.org/mirror/files/results.txt")));
}

// --- A well-behaved static server -----------------------------------------

TEST_F(Download, ACompleteTransferReplacesTheFile)
{
    TestServer server;
    ASSERT_TRUE(server.StartStatic(ServedFolder(kPublished))) << server.Problem().toStdString();

    const Outcome outcome = Run(server.Url(QStringLiteral("/files/results.txt")));
    EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(outcome.finishedCount, 1);
    EXPECT_FALSE(outcome.finishedInsideStart);
    EXPECT_TRUE(outcome.error.isEmpty());
    EXPECT_EQ(outcome.mostReported, kPublished.size());
    EXPECT_EQ(FileBytes(m_target), kPublished);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.txt"});
}

TEST_F(Download, AnEmptyFileThatArrivesWholeIsASuccess)
{
    TestServer server;
    ASSERT_TRUE(server.StartStatic(ServedFolder(QByteArray()))) << server.Problem().toStdString();

    const Outcome outcome = Run(server.Url(QStringLiteral("/files/results.txt")));
    EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_TRUE(QFile::exists(m_target));
    EXPECT_EQ(FileBytes(m_target), QByteArray());
}

TEST_F(Download, AMissingFileOnTheServerFails)
{
    TestServer server;
    ASSERT_TRUE(server.StartStatic(ServedFolder(kPublished))) << server.Problem().toStdString();

    const Outcome outcome = Run(server.Url(QStringLiteral("/files/nothing-here.txt")));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.finishedCount, 1);
    EXPECT_TRUE(outcome.error.contains(QStringLiteral("404"))) << outcome.error.toStdString();
    ExpectUntouched();
}

TEST_F(Download, ARefusedConnectionFails)
{
    const quint16 port = test::RefusingPort();
    ASSERT_NE(port, 0);

    const Outcome outcome = Run(QUrl(QStringLiteral("http://127.0.0.1:%1/files/results.txt").arg(port)));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.finishedCount, 1);
    ExpectUntouched();
}

TEST_F(Download, ATargetThatCannotBeWrittenFailsWithoutTransfer)
{
    TestServer server;
    ASSERT_TRUE(server.StartStatic(ServedFolder(kPublished))) << server.Problem().toStdString();
    m_target = m_dir.filePath(QStringLiteral("no-such-folder/results.txt"));

    const Outcome outcome = Run(server.Url(QStringLiteral("/files/results.txt")));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.finishedCount, 1);
    EXPECT_FALSE(outcome.finishedInsideStart) << "a waiting caller would miss the report";
    EXPECT_FALSE(QFile::exists(m_target));
}

TEST_F(Download, OnlyHttpAddressesAreFetched)
{
    const QString local = m_serverDir.filePath(QStringLiteral("elsewhere.txt"));
    ASSERT_TRUE(WriteBytes(local, kPublished));

    for (const QUrl &source :
         {QUrl::fromLocalFile(local), QUrl(QStringLiteral("ftp://127.0.0.1/results.txt")),
          QUrl(QStringLiteral("not an address"))}) {
        const Outcome outcome = Run(source);
        EXPECT_FALSE(outcome.ok) << source.toString().toStdString();
        EXPECT_EQ(outcome.finishedCount, 1);
        ExpectUntouched();
    }
}

// --- Servers that misbehave ------------------------------------------------

class MisbehavingServer : public Download, public ::testing::WithParamInterface<const char *> {};

TEST_P(MisbehavingServer, FailsAndLeavesTheFileAsItWas)
{
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QString::fromLatin1(GetParam()))) << server.Problem().toStdString();

    const Outcome outcome = Run(server.Url(QStringLiteral("/files/results.txt")));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.finishedCount, 1);
    EXPECT_FALSE(outcome.error.isEmpty());
    ExpectUntouched();
}

INSTANTIATE_TEST_SUITE_P(Modes, MisbehavingServer,
                         ::testing::Values("short", "big", "big-unannounced", "redirect-loop", "error",
                                           "reset"),
                         [](const ::testing::TestParamInfo<const char *> &param) {
                             std::string name = param.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST_F(Download, AnAnnouncedExcessStopsBeforeAnyByteIsKept)
{
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QStringLiteral("big"))) << server.Problem().toStdString();

    const Outcome outcome = Run(server.Url(QStringLiteral("/files/results.txt")));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.progressCount, 0);
    ExpectUntouched();
}

TEST_F(Download, AnUnannouncedExcessStopsOnceTheLimitIsPassed)
{
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QStringLiteral("big-unannounced"))) << server.Problem().toStdString();

    const Outcome outcome = Run(server.Url(QStringLiteral("/files/results.txt")));
    EXPECT_FALSE(outcome.ok);
    EXPECT_LE(outcome.mostReported, ResultsDownload::kDefaultMaxBytes);
    EXPECT_TRUE(outcome.error.contains(QStringLiteral("larger"))) << outcome.error.toStdString();
    ExpectUntouched();
}

TEST_F(Download, ASilentServerFailsAfterTheIdleTimeout)
{
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QStringLiteral("silent"))) << server.Problem().toStdString();

    const Outcome outcome = Run(server.Url(QStringLiteral("/files/results.txt")), 1000);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.finishedCount, 1);
    EXPECT_GE(outcome.elapsedMs, 900);
    EXPECT_LT(outcome.elapsedMs, 20000);
    ExpectUntouched();
}

TEST_F(Download, DataThatKeepsComingRestartsTheIdleTimeout)
{
    // Twelve bytes, one every quarter second: three seconds in all, never a
    // second without data.
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QStringLiteral("trickle"))) << server.Problem().toStdString();

    const Outcome outcome = Run(server.Url(QStringLiteral("/files/results.txt")), 1000);
    EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_GE(outcome.elapsedMs, 1000);
    EXPECT_EQ(FileBytes(m_target), QByteArray("0123456789AB"));
}

TEST_F(Download, CancelEndsTheTransferAndKeepsTheFile)
{
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QStringLiteral("silent"))) << server.Problem().toStdString();

    const Outcome outcome =
        Run(server.Url(QStringLiteral("/files/results.txt")), 60000,
            [](ResultsDownload &d) { QTimer::singleShot(200, &d, &ResultsDownload::cancel); });
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.finishedCount, 1);
    EXPECT_LT(outcome.elapsedMs, 20000) << "cancel, not the idle timeout, ended it";
    ExpectUntouched();
}

TEST_F(Download, AFollowedRedirectKeepsOnlyTheFinalBody)
{
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QStringLiteral("redirect-once"))) << server.Problem().toStdString();

    const Outcome outcome = Run(server.Url(QStringLiteral("/files/results.txt")));
    EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(FileBytes(m_target), QByteArray("GOOD"));
}

TEST_F(Download, TheRequestAsksForTheNewestCopy)
{
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QStringLiteral("headers"))) << server.Problem().toStdString();

    const Outcome outcome = Run(server.Url(QStringLiteral("/files/results.txt")));
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    const QByteArray headers = FileBytes(m_target).toLower();
    EXPECT_TRUE(headers.contains("cache-control: no-cache")) << headers.toStdString();
    EXPECT_TRUE(headers.contains("accept-encoding: identity")) << headers.toStdString();
}

int main(int argc, char **argv)
{
    // Only 127.0.0.1 is ever contacted: no proxy in between.
    for (const char *name :
         {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
