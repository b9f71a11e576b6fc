#include "storage/Download.h"

#include "test_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>

using namespace fixturo;
using namespace fixturo::test;

namespace {

const QByteArray kOriginal = "1,0|2,2|,|local results that must survive a failed update\r\n";
const QString kPath = QStringLiteral("/files/results.txt");

class Download : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(WriteBytes(m_target, kOriginal)); }

    // Runs one transfer to its end, cancelled after `cancelAfterMs` if given; true when it succeeded.
    // Checks that it reports once, never from inside start(), and that by then no temporary file is left.
    bool Run(ResultsDownload &download, int cancelAfterMs = -1)
    {
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
        EXPECT_TRUE(!m_error.isEmpty() && m_error.startsWith(reason)) << m_error.toStdString();
        EXPECT_EQ(FileBytes(m_target), kOriginal);
    }

    QTemporaryDir m_dir;
    const QString m_target = m_dir.filePath(QStringLiteral("results.txt"));
    qint64 m_lastReported = 0, m_total = 0, m_elapsedMs = 0, m_reports = 0;
    QString m_error;
};

} // namespace

TEST_F(Download, ACompleteTransferAfterACanceledOneReplacesTheFileAndReportsOnce)
{
    QTemporaryDir web;
    ASSERT_TRUE(QDir(web.path()).mkpath(QStringLiteral("files")));
    const QByteArray published = "3,1|0,0|,|1,1,4,3|0,Portugal,Turkey\r\n";
    ASSERT_TRUE(WriteBytes(web.path() + kPath, published));
    TestServer server;
    ASSERT_TRUE(server.StartStatic(web.path()));
    ResultsDownload download(server.Url(kPath), m_target);
    EXPECT_TRUE(!Run(download, 0) && download.wasCanceled());
    EXPECT_TRUE(Run(download) && !download.wasCanceled()) << m_error.toStdString();
    EXPECT_EQ(QList<qint64>({m_lastReported, m_total}), QList<qint64>(2, published.size()))
        << "the bytes received and the announced length";
    EXPECT_TRUE(FileBytes(m_target) == published && !download.isRunning());
    // After the end a cancel reports nothing.
    QSignalSpy late(&download, &ResultsDownload::finished);
    download.cancel();
    EXPECT_TRUE(late.isEmpty());
}

// Refusals, and the decisions at the edges that the servers below do not reach.
TEST_F(Download, NonHttpAddressesMissingFilesRefusedConnectionsNoPlaceToWriteAndEdgesFail)
{
    EXPECT_TRUE(AcceptableStatus(200) && AcceptableStatus(299) && !AcceptableStatus(199) &&
                !AcceptableStatus(300));
    // A body of exactly the limit is allowed.
    EXPECT_TRUE(WithinLimit(64, 64, 64) && WithinLimit(-1, 64, 64));
    EXPECT_FALSE(WithinLimit(65, 0, 64) || WithinLimit(-1, 65, 64));
    EXPECT_TRUE(CompleteBody(-1, 1234) && CompleteBody(5, 5) && !CompleteBody(5, 4));
    for (const char *base : {"http://example.org:8000", " http://example.org:8000// "})
        EXPECT_EQ(ResultsFileUrl(base), QUrl("http://example.org:8000/files/results.txt")) << base;
    for (const QUrl &source :
         {QUrl::fromLocalFile(m_target), QUrl(QStringLiteral("ftp://127.0.0.1/results.txt")),
          QUrl(QStringLiteral("not an address")), QUrl(QStringLiteral("http:///files/results.txt"))})
        ExpectFailure(source, "Not an http address: " + source.toString());
    QTemporaryDir web;
    TestServer server;
    ASSERT_TRUE(server.StartStatic(web.path()));
    ExpectFailure(server.Url(kPath), "HTTP status 404");
    ResultsDownload nowhere(server.Url(kPath), m_dir.filePath("no/such/results.txt"));
    EXPECT_TRUE(!Run(nowhere) && m_error.startsWith("Cannot write beside")) << m_error.toStdString();
    ExpectFailure(QUrl(QStringLiteral("http://127.0.0.1:9/files/results.txt")), ""); // nothing answers there
}

// misbehaving_server.py in one mode, with a short idle timeout that only the silent server
// reaches, cancelled after some milliseconds if given: the body the file holds after a
// success, or the start of the reason for a failure that leaves the file.
using Mode = std::tuple<const char *, int, bool, const char *>;
class Misbehaving : public Download, public ::testing::WithParamInterface<Mode> {};

TEST_P(Misbehaving, FailsKeepingTheFileOrDeliversExactlyTheBody)
{
    const auto &[mode, cancelAfterMs, succeeds, text] = GetParam();
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QString::fromLatin1(mode)));
    if (succeeds) {
        EXPECT_TRUE(Fetch(server.Url(kPath), 1000)) << m_error.toStdString();
        EXPECT_EQ(FileBytes(m_target), QByteArray(text));
    } else {
        ExpectFailure(server.Url(kPath), QString::fromLatin1(text), 1000, cancelAfterMs);
    }
    EXPECT_TRUE(m_elapsedMs < 8000 && (QLatin1String(mode) != "trickle" || m_reports > 1))
        << "cancel ends it at once, the idle timeout after a second; the trickle is reported as it comes";
}

// The successes: an empty body, a redirect's own body left out, data slower than the idle
// timeout in all but never idle that long, a request that asks for a fresh, unencoded copy.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Modes, Misbehaving, ::testing::Values(
    Mode{"silent", -1, false, "No data for 1000 ms"}, Mode{"silent", 200, false, "Canceled"},
    Mode{"short", -1, false, "Connection closed"}, Mode{"big", -1, false, "The file is larger than 65536 bytes"},
    Mode{"big_unannounced", -1, false, "The file is larger than 65536 bytes"},
    Mode{"redirect_loop", -1, false, "Too many redirects"}, Mode{"error", -1, false, "HTTP status 500"},
    Mode{"no_location", -1, false, "HTTP status 300"}, Mode{"reset", -1, false, "Connection"},
    Mode{"empty", -1, true, ""}, Mode{"redirect_once", -1, true, "GOOD"}, Mode{"trickle", -1, true, "GOODGOOD"},
    Mode{"fresh", -1, true, "GOOD"}),
    [](const auto &mode) { return std::string(std::get<0>(mode.param)) + (std::get<1>(mode.param) < 0 ? "" : "_canceled"); });
// clang-format on

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
