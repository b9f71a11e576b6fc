#include "net/Download.h"

#include "test_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace fixturo;
using namespace fixturo::test;

namespace {

const QByteArray kOriginal = "1,0|2,2|,|local results that must survive a failed update\r\n";
const QString kPath = QStringLiteral("/files/results.txt");

class Download : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(writeBytes(m_target, kOriginal)); }

    // Runs one transfer to its end, cancelled after `cancelAfterMs` if given; true when it succeeded.
    // Meanwhile the folder refuses new files, as beside an installed program, even to a root.
    // Checks that it reports once, never from inside start(), and that by then no file was added.
    bool Run(ResultsDownload &download, int cancelAfterMs = -1)
    {
        const QByteArray folder = QFile::encodeName(m_dir.path());
        ::chmod(folder, 0555);
        setfsuid(65534); // a root, who writes everywhere, acts on files as nobody in this thread
        EXPECT_FALSE(QFile(m_dir.filePath("new")).open(QIODevice::WriteOnly)) << "the folder takes new files";
        QSignalSpy finished(&download, &ResultsDownload::finished);
        QStringList filesAtEnd;
        const QObject thisRun; // the connections below end with this run
        QObject::connect(&download, &ResultsDownload::finished, &thisRun,
                         [&] { filesAtEnd = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); });
        QObject::connect(&download, &ResultsDownload::progress, &thisRun,
                         [this](qint64 received, qint64 total) {
                             m_lastReported = received, m_total = total;
                             ++m_reports;
                         });
        if (cancelAfterMs >= 0)
            QTimer::singleShot(cancelAfterMs, &download, &ResultsDownload::cancel);
        QElapsedTimer clock;
        clock.start();
        download.start();
        EXPECT_EQ(finished.size(), 0) << "a caller that waits after start() would miss the report";
        EXPECT_TRUE(finished.wait(30000));
        m_elapsedMs = clock.elapsed();
        QCoreApplication::processEvents(); // a late second report would count here
        EXPECT_EQ(finished.size(), 1);
        EXPECT_EQ(filesAtEnd, QStringList{"results.txt"});
        setfsuid(geteuid());
        ::chmod(folder, 0700);
        m_error = download.errorString();
        return !finished.isEmpty() && finished.first().first().toBool();
    }
    bool Fetch(const QUrl &source, int idleTimeoutMs = 10000, int cancelAfterMs = -1)
    {
        ResultsDownload download(source, m_target);
        download.setIdleTimeoutMs(idleTimeoutMs);
        return Run(download, cancelAfterMs);
    }
    // A failure whose reason starts with `reason`: the target holds what it held before.
    void ExpectFailure(const QUrl &source, const QString &reason, int idleTimeoutMs = 10000,
                       int cancelAfterMs = -1)
    {
        EXPECT_FALSE(Fetch(source, idleTimeoutMs, cancelAfterMs));
        EXPECT_EQ(m_error.left(reason.size()), reason);
        EXPECT_EQ(fileBytes(m_target), kOriginal);
    }

    QTemporaryDir m_dir;
    const QString m_target = m_dir.filePath(QStringLiteral("results.txt"));
    qint64 m_lastReported = 0, m_total = 0, m_elapsedMs = 0, m_reports = 0;
    QString m_error;
};

} // namespace

TEST_F(Download, ACompleteTransferAfterACanceledOneReplacesTheFileAndReportsOnce)
{
    const QByteArray published = "GOOD";
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QStringLiteral("fresh")));
    ResultsDownload download(server.Url(kPath), m_target);
    EXPECT_FALSE(Run(download, 0));
    EXPECT_TRUE(download.wasCanceled());
    EXPECT_TRUE(Run(download)) << m_error.toStdString();
    EXPECT_FALSE(download.wasCanceled());
    EXPECT_EQ(m_lastReported, published.size()) << "the bytes received";
    EXPECT_EQ(m_total, published.size()) << "the announced length";
    EXPECT_EQ(fileBytes(m_target), published);
    // After the end a cancel reports nothing.
    QSignalSpy late(&download, &ResultsDownload::finished);
    download.cancel();
    EXPECT_TRUE(late.isEmpty());
    // Once the file is read-only too, a transfer fails with the system's reason and leaves it.
    ASSERT_EQ(::chmod(QFile::encodeName(m_target), 0444), 0);
    EXPECT_FALSE(Run(download));
    EXPECT_EQ(m_error, "Permission denied");
    EXPECT_EQ(fileBytes(m_target), published);
}

// Refusals, and the decisions at the edges that the servers below do not reach:
// a 299, a body of exactly the limit, a body shorter than announced.
TEST_F(Download, NonHttpAddressesRefusedConnectionsAndEdgesFail)
{
    EXPECT_TRUE(acceptableStatus(299));
    EXPECT_TRUE(withinLimit(64, 64, 64)) << "exactly the limit is allowed";
    EXPECT_FALSE(completeBody(5, 4));
    for (const char *base : {"http://example.org:8000", " http://example.org:8000// "})
        EXPECT_EQ(resultsFileUrl(base), QUrl("http://example.org:8000/files/results.txt")) << base;
    for (const QUrl &source :
         {QUrl::fromLocalFile(m_target), QUrl(QStringLiteral("ftp://127.0.0.1/results.txt")),
          QUrl(QStringLiteral("not an address")), QUrl(QStringLiteral("http:///files/results.txt"))})
        ExpectFailure(source, "Not an http address: " + source.toString());
    ExpectFailure(QUrl(QStringLiteral("http://127.0.0.1:9/files/results.txt")), "Connection refused");
}

// misbehaving_server.py in one mode, with a short idle timeout that only the silent server
// reaches, cancelled after some milliseconds if given: the body the file holds after a
// success, or the start of the reason for a failure that leaves the file.
struct Mode {
    const char *name, *mode, *text;
    int cancelAfterMs;
    bool succeeds, reportedAsItComes = false;
};
class Misbehaving : public Download, public ::testing::WithParamInterface<Mode> {};

TEST_P(Misbehaving, FailsKeepingTheFileOrDeliversExactlyTheBody)
{
    const Mode &m = GetParam();
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QString::fromLatin1(m.mode)));
    if (m.succeeds) {
        EXPECT_TRUE(Fetch(server.Url(kPath), 1000)) << m_error.toStdString();
        EXPECT_EQ(fileBytes(m_target), QByteArray(m.text));
    } else {
        ExpectFailure(server.Url(kPath), QString::fromLatin1(m.text), 1000, m.cancelAfterMs);
    }
    EXPECT_LT(m_elapsedMs, 8000) << "cancel ends it at once, the idle timeout after a second";
    if (m.reportedAsItComes) {
        EXPECT_GE(m_reports, 2) << "progress reported as the bytes come";
    }
}

// The successes: an empty body, a redirect's own body left out, data slower than the idle
// timeout in all but never idle that long. (The first test's server gives its body only to a
// request that asks for a fresh, unencoded copy.)
// clang-format off
INSTANTIATE_TEST_SUITE_P(Modes, Misbehaving, ::testing::Values(
    Mode{.name = "silent", .mode = "silent", .text = "No data for 1000 ms", .cancelAfterMs = -1, .succeeds = false},
    Mode{.name = "silent_canceled", .mode = "silent", .text = "Canceled", .cancelAfterMs = 200, .succeeds = false},
    Mode{.name = "short", .mode = "short", .text = "Connection closed", .cancelAfterMs = -1, .succeeds = false},
    Mode{.name = "big", .mode = "big", .text = "The file is larger than 65536 bytes", .cancelAfterMs = -1, .succeeds = false},
    Mode{.name = "big_unannounced", .mode = "big_unannounced", .text = "The file is larger than 65536 bytes", .cancelAfterMs = -1, .succeeds = false},
    Mode{.name = "redirect_loop", .mode = "redirect_loop", .text = "Too many redirects", .cancelAfterMs = -1, .succeeds = false},
    Mode{.name = "error", .mode = "error", .text = "HTTP status 500", .cancelAfterMs = -1, .succeeds = false},
    Mode{.name = "no_location", .mode = "no_location", .text = "HTTP status 300", .cancelAfterMs = -1, .succeeds = false},
    Mode{.name = "reset", .mode = "reset", .text = "Connection", .cancelAfterMs = -1, .succeeds = false},
    Mode{.name = "empty", .mode = "empty", .text = "", .cancelAfterMs = -1, .succeeds = true},
    Mode{.name = "redirect_once", .mode = "redirect_once", .text = "GOOD", .cancelAfterMs = -1, .succeeds = true},
    Mode{.name = "trickle", .mode = "trickle", .text = "GOODGOOD", .cancelAfterMs = -1, .succeeds = true, .reportedAsItComes = true}),
    [](const ::testing::TestParamInfo<Mode> &mode) { return std::string(mode.param.name); });
// clang-format on

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::umask(0); // files the tests make may be written by anyone: the transfers run as nobody
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
