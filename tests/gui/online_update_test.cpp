// "File > Update Online" through the real main window, against HTTP servers on 127.0.0.1
// that the tests start.

#include "gui_util.h"

#include "../net/test_server.h"

#include "ui/FrmMain.h"

#include <QAction>
#include <QDir>
#include <QPushButton>

using namespace fixturo;
using namespace fixturo::test;

namespace {

const QString kPath = QStringLiteral("/files/results.txt");

class OnlineUpdate : public ::testing::Test {
protected:
    // Local results: every group match and a quarter-final played, a manual order that reverses group A.
    void SetUp() override
    {
        UnsetProxies();
        ASSERT_TRUE(WriteBytes(m_path, m_local));
        m_window.show();
        m_before = Shown();
        ASSERT_EQ(m_vars.ManualOrderFlag, 1);
    }

    // The group tables and the daily schedule as the window shows them.
    QStringList Shown() const
    {
        QStringList texts;
        for (const QLabel *label : m_window.findChildren<QLabel *>())
            if (label->objectName().contains(QRegularExpression("^(lblTeam|lblTable|lblDailySched)_")))
                texts << label->text();
        return texts;
    }

    // Runs the update from `source`; returns the title, text and icon of the box that ends it, and
    // whether the tables under it still showed what they showed before.
    QStringList Update(const QUrl &source, int idleTimeoutMs = 10000)
    {
        m_window.setUpdateSettings({.source = source, .idleTimeoutMs = idleTimeoutMs});
        QStringList box;
        AnswerNextMessage([&](const QMessageBox &shown) {
            box << shown.windowTitle() << shown.text() << QString::number(shown.icon())
                << (Shown() == m_before ? "tables as before" : "tables changed");
            return QMessageBox::Ok;
        });
        NamedChild<QAction>(m_window, "MnuUpdate")->trigger();
        return box;
    }

    void ExpectFailure(const QStringList &box) const
    {
        EXPECT_EQ(
            box,
            QStringList({" Error",
                         "There was a error making the Update. Make sure that you are online and try again!",
                         QString::number(QMessageBox::Critical), "tables as before"}));
        EXPECT_EQ(Shown(), m_before);
        EXPECT_EQ(ResultsLine(m_vars), m_local);
        EXPECT_EQ(FileBytes(m_path), m_local);
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.txt"});
    }

    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath("results.txt");
    const QByteArray m_local = QByteArray("2,1|").repeated(kGroupMatchCount) + "1,0|" +
                               QByteArray(",|").repeated(6) +
                               "1,Czech Republic,Switzerland,Turkey,Portugal,Austria,Croatia,Germany,Poland,"
                               "France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden\r\n";
    ModVars m_vars;
    FrmMain m_window{m_vars, (WriteBytes(m_path, m_local), m_path)};
    QStringList m_before;
};

} // namespace

TEST_F(OnlineUpdate, AFileOfEmptyEntriesClearsEveryScoreAndTheManualOrder)
{
    QTemporaryDir web;
    ASSERT_TRUE(QDir(web.path()).mkpath("files"));
    const QByteArray published = QByteArray(",|").repeated(kMatchCount) + kInitialTeamList + "\r\n";
    ASSERT_TRUE(WriteBytes(web.path() + kPath, published));
    TestServer server;
    ASSERT_TRUE(server.StartStatic(web.path()));
    EXPECT_EQ(Update(server.Url(kPath)),
              QStringList({" Download Successful", "Update was made successfully!",
                           QString::number(QMessageBox::Warning), "tables changed"}));
    EXPECT_EQ(ResultsLine(m_vars), published);
    EXPECT_EQ(m_vars.ManualOrderFlag, 0);
    EXPECT_EQ(NamedChild(m_window, "lblTable_0")->text(), "0  0 0 0 0  0");
    EXPECT_EQ(NamedChild(m_window, "lblDailySched_0")->text(),
              "Saturday 7 June 2008   Switzerland  -  Czech Republic");
}

TEST_F(OnlineUpdate, AMissingFileOrARefusedConnectionShowsTheErrorAndChangesNothing)
{
    QTemporaryDir web;
    TestServer server;
    ASSERT_TRUE(server.StartStatic(web.path()));
    ExpectFailure(Update(server.Url(kPath)));
    ExpectFailure(Update(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(RefusingPort()).arg(kPath))));
}

TEST_F(OnlineUpdate, CancelInTheModalProgressDialogEndsWithoutABoxAndChangesNothing)
{
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving("silent"));
    bool blocksTheWindow = false;
    OnModal([&](QWidget *dialog) {
        blocksTheWindow = dialog->objectName() == "UpdateProgress" &&
                          dialog->windowModality() == Qt::ApplicationModal && !m_window.isActiveWindow();
        auto *cancel = dialog->findChild<QPushButton *>();
        ASSERT_TRUE(cancel && cancel->text() == "Cancel");
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    QElapsedTimer clock;
    clock.start();
    m_window.setUpdateSettings({.source = server.Url(kPath), .idleTimeoutMs = 60000});
    NamedChild<QAction>(m_window, "MnuUpdate")->trigger(); // a box would fail the test
    EXPECT_LT(clock.elapsed(), 20000) << "the transfer ran on after Cancel";
    EXPECT_TRUE(blocksTheWindow);
    EXPECT_EQ(Shown(), m_before);
    EXPECT_EQ(FileBytes(m_path), m_local);
}
