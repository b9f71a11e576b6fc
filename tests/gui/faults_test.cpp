// Faults met through the real main window: saves that keep failing, a results
// file that cannot be read whole, updates that are no results file.

#include "drive_util.h"

#include "../net/test_server.h"

#include "storage/ResultsFile.h"
#include "ui/FrmMain.h"

#include <QAction>
#include <QDir>
#include <QLabel>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

namespace {

class Faults : public StrictMessages {
protected:
    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath(u"results.txt"_s);
};

struct ExitCase {
    const char *name;
    QMessageBox::StandardButton answer;
    bool byMenu;
    const char *savedTo; // nowhere when null
};

class ExitUnsaved : public Faults, public ::testing::WithParamInterface<ExitCase> {};

// Saves into a missing folder: the failure is told once, with its reason; at
// exit the question's answer decides where the results go.
TEST_P(ExitUnsaved, FailedSavesAreToldOnceWithTheReasonAndExitAsks)
{
    const ExitCase &c = GetParam();
    const QString path = m_dir.filePath(u"missing/results.txt"_s);
    ModVars vars;
    FrmMain window(vars, path);
    window.setSavePathQuestion([&](QWidget *, const QString &) { return m_dir.filePath(u"other.txt"_s); });
    window.show();
    QStringList seen;
    AnswerMessage(&seen); // a second box would reach the failing fallback
    for (int i = 0; i < 2; ++i) {
        CloseNextModal();
        QTest::mouseClick(NamedChild<QLabel>(window, u"lblDailySched_0"_s), Qt::LeftButton);
    }
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen[0].contains(QDir::toNativeSeparators(path)));
    EXPECT_FALSE(seen[0].section(u'\n', 1).trimmed().isEmpty()) << "no reason in " << seen[0].toStdString();

    vars.MatchTable[0][Match::goals1] = u"1"_s;
    QString asked;
    AnswerNextMessage([&](const QMessageBox &box) {
        asked = box.text();
        if (c.answer == QMessageBox::Retry)
            QDir().mkpath(m_dir.filePath(u"missing"_s)); // the fault is mended meanwhile
        return c.answer;
    });
    if (c.byMenu)
        NamedChild<QAction>(window, u"MnuExit"_s)->trigger();
    else
        window.close();
    EXPECT_TRUE(asked.contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(window.isVisible(), c.answer == QMessageBox::Cancel);
    for (const char *file : {"missing/results.txt", "other.txt"})
        EXPECT_EQ(FileBytes(m_dir.filePath(QLatin1String(file))),
                  qstrcmp(c.savedTo, file) == 0 ? ResultsLine(vars) : QByteArray())
            << file;
}

INSTANTIATE_TEST_SUITE_P(Answers, ExitUnsaved,
                         ::testing::Values(ExitCase{"TryAgain", QMessageBox::Retry, false,
                                                    "missing/results.txt"},
                                           ExitCase{"SaveAs", QMessageBox::Save, true, "other.txt"},
                                           ExitCase{"QuitWithoutSaving", QMessageBox::Discard, true, nullptr},
                                           ExitCase{"Cancel", QMessageBox::Cancel, false, nullptr}),
                         [](const auto &c) { return std::string(c.param.name); });

TEST_F(Faults, AFileThatCannotBeReadWholeIsCopiedAndToldOnce)
{
    const QByteArray unreadable = "\r\n1,0|2,2|what a save would lose\r\n";
    ASSERT_TRUE(WriteBytes(m_path, unreadable));
    QStringList seen;
    AnswerMessage(&seen);
    {
        ModVars vars;
        FrmMain window(vars, m_path);
        window.show();
        EXPECT_TRUE(QTest::qWaitFor([] { return PendingMessageAnswers() == 0; }, 5000));
    }
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen[0].contains(QDir::toNativeSeparators(m_path + u".bak"_s)));
    EXPECT_EQ(FileBytes(m_path + u".bak"_s), unreadable);
    ModVars vars;
    FrmMain again(vars, m_path); // its own file now: no message
    QTest::qWait(50);
}

struct UpdateCase {
    const char *mode;
    const char *reason = nullptr; // in the error box's detail; none for a success
    bool trusted = false;         // the test's certificate authority, for "tls"
    bool cancel = false;
    int idleTimeoutMs = 20000;
};

class UpdateFaults : public Faults, public ::testing::WithParamInterface<UpdateCase> {};

TEST_P(UpdateFaults, OnlyAResultsFileReplacesTheLocalOne)
{
    const UpdateCase &c = GetParam();
    const QByteArray local = "2,2|" + QByteArray(",|").repeated(kMatchCount - 1) + kInitialTeamList + "\r\n";
    UnsetProxies();
    ASSERT_TRUE(WriteBytes(m_path, local));
    UpdateSettings settings{.source = {}, .idleTimeoutMs = c.idleTimeoutMs};
    if (c.mode == "tls"_L1) {
        const QString cert = m_dir.filePath(u"cert.pem"_s), key = m_dir.filePath(u"key.pem"_s);
        QProcess openssl;
        openssl.start(u"openssl"_s,
                      {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                       "-days", "1", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                       "-keyout", key, "-out", cert});
        ASSERT_TRUE(openssl.waitForFinished(30000) && openssl.exitCode() == 0);
        qputenv("FIXTURO_TLS_CERT", cert.toLocal8Bit());
        qputenv("FIXTURO_TLS_KEY", key.toLocal8Bit());
        if (c.trusted)
            settings.extraCaCertificates = QSslCertificate::fromPath(cert);
    }
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QLatin1String(c.mode)));
    settings.source = server.Url(u"/files/results.txt"_s);
    if (c.mode == "tls"_L1)
        settings.source.setScheme(u"https"_s);
    ModVars vars;
    FrmMain window(vars, m_path);
    window.setUpdateSettings(settings);
    window.show();
    QStringList seen;
    if (c.cancel)
        CloseNextModal(); // closing the progress dialog is its Cancel; a box would fail
    else
        AnswerMessage(&seen);
    NamedChild<QAction>(window, u"MnuUpdate"_s)->trigger();
    if (!c.reason && !c.cancel) {
        EXPECT_EQ(seen, QStringList{u"Update was made successfully!"_s});
        EXPECT_EQ(vars.MatchTable[0][Match::goals1], u"1"_s);
        return;
    }
    EXPECT_EQ(FileBytes(m_path), local);
    EXPECT_EQ(vars.MatchTable[0][Match::goals1], u"2"_s);
    EXPECT_EQ(seen.value(0).left(24), c.cancel ? u""_s : u"There was a error making"_s);
    EXPECT_TRUE(c.cancel || seen.value(1).contains(QLatin1String(c.reason))) << seen.join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Servers, UpdateFaults,
                         ::testing::Values(UpdateCase{"html", "Not a results file"},
                                           UpdateCase{"empty", "Not a results file"},
                                           UpdateCase{"few", "Not a results file"},
                                           UpdateCase{"error", "HTTP status 500"},
                                           UpdateCase{"silent", "No data for 300 ms", false, false, 300},
                                           UpdateCase{"silent", nullptr, false, true},
                                           UpdateCase{"tls", "SSL"}, UpdateCase{"tls", nullptr, true}),
                         [](const auto &c) {
                             return std::string(c.param.mode) + (c.param.cancel ? "_cancel" : "") +
                                    (c.param.trusted ? "_trusted" : "");
                         });

} // namespace
