// "File > Update Online" through the real main window, against HTTP servers
// on 127.0.0.1 that the tests start.

#include "gui_util.h"

#include "../net/test_server.h"

#include "groups/GroupLines.h"
#include "storage/ResultsFile.h"
#include "ui/FrmMain.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

namespace {

const QString kPath = u"/files/results.txt"_s;
const QString kErrorText =
    u"There was a error making the Update. Make sure that you are online and try again!"_s;

QString Text(const QWidget &window, const QString &name)
{
    const auto *label = window.findChild<QLabel *>(name);
    return label ? label->text() : u"<no %1>"_s.arg(name);
}

// The group tables and the daily schedule as the window shows them.
QStringList Shown(const QWidget &window)
{
    QStringList texts;
    for (int i = 0; i < kGroupCount * kTeamsPerGroup; ++i)
        texts << Text(window, u"lblTeam_%1"_s.arg(i)) << Text(window, u"lblTable_%1"_s.arg(i));
    for (int i = 0; i < kGroupMatchCount; ++i)
        texts << Text(window, u"lblDailySched_%1"_s.arg(i));
    return texts;
}

// The same as the window should draw them from a state.
QStringList Drawn(const ModVars &vars)
{
    QStringList texts;
    for (const auto &group : vars.GroupTeams)
        for (const auto &row : group)
            texts << row[Col::Name] << StatisticsLine(row);
    for (int i = 0; i < kGroupMatchCount; ++i)
        texts << ScheduleLine(vars.MatchTable[i]);
    return texts;
}

// The message box that ends an update, and what the tables showed under it.
struct Box {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList shown;
};

bool IsProgress(QWidget *modal)
{
    return modal->objectName() == "UpdateProgress"_L1;
}

class OnlineUpdate : public ::testing::Test {
protected:
    // Local results: every group match and a quarter-final played, a manual
    // order that reverses group A.
    void SetUp() override
    {
        UnsetProxies();
        m_local = QByteArray("2,1|").repeated(kGroupMatchCount) + "1,0|" + QByteArray(",|").repeated(6) +
                  "1,Czech Republic,Switzerland,Turkey,Portugal,Austria,Croatia,Germany,Poland,"
                  "France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden\r\n";
        ASSERT_TRUE(WriteBytes(m_path, m_local));
        m_window = std::make_unique<FrmMain>(m_vars, m_path);
        m_window->show();
        m_before = Shown(*m_window);
        ASSERT_EQ(m_vars.ManualOrderFlag, 1);
    }

    // Runs the update from `source`; `progress` may drive the progress dialog.
    Box Update(const QUrl &source, int idleTimeoutMs = 10000, const ModalDriver::Drive &progress = {},
               bool expectBox = true)
    {
        m_window->setUpdateSettings({.source = source, .idleTimeoutMs = idleTimeoutMs});
        std::unique_ptr<ModalDriver> progressDriver;
        if (progress)
            progressDriver = std::make_unique<ModalDriver>(progress, nullptr, 20000, IsProgress);
        Box box;
        ModalDriver boxDriver(
            [&](QWidget *modal) {
                box.title = modal->windowTitle();
                box.shown = Shown(*m_window);
                if (auto *message = qobject_cast<QMessageBox *>(modal))
                    box.icon = message->icon();
                box.text = AcceptMessageBox(modal);
            },
            nullptr, 20000, [](QWidget *modal) { return !IsProgress(modal); });
        if (auto *action = m_window->findChild<QAction *>(u"MnuUpdate"_s))
            action->trigger();
        EXPECT_EQ(boxDriver.Fired(), expectBox);
        EXPECT_TRUE(!progressDriver || progressDriver->Fired());
        return box;
    }

    // A failed update: the error box over the unchanged tables, the same state and file.
    void ExpectFailure(const Box &box)
    {
        EXPECT_EQ(box.title, u" Error"_s);
        EXPECT_EQ(box.text, kErrorText);
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_EQ(box.shown, m_before);
        EXPECT_EQ(Shown(*m_window), m_before);
        EXPECT_EQ(ResultsLine(m_vars), m_local);
        EXPECT_EQ(FileBytes(m_path), m_local);
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.txt"});
    }

    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath(u"results.txt"_s);
    QByteArray m_local;
    ModVars m_vars;
    std::unique_ptr<FrmMain> m_window;
    QStringList m_before;
};

} // namespace

TEST_F(OnlineUpdate, AFileOfEmptyEntriesClearsEveryScoreAndTheManualOrder)
{
    QTemporaryDir web;
    ASSERT_TRUE(QDir(web.path()).mkpath(u"files"_s));
    const QByteArray published = QByteArray(",|").repeated(kMatchCount) + kInitialTeamList + "\r\n";
    ASSERT_TRUE(WriteBytes(web.path() + kPath, published));
    TestServer server;
    ASSERT_TRUE(server.StartStatic(web.path()));

    const Box box = Update(server.Url(kPath));
    EXPECT_EQ(box.title, u" Download Successful"_s);
    EXPECT_EQ(box.text, u"Update was made successfully!"_s);
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(ResultsLine(m_vars), published);
    EXPECT_EQ(m_vars.ManualOrderFlag, 0);
    EXPECT_NE(box.shown, m_before);
    EXPECT_EQ(box.shown, Drawn(m_vars)) << "the box came before the tables were redrawn";
}

TEST_F(OnlineUpdate, AFileMissingOnTheServerShowsTheErrorAndChangesNothing)
{
    QTemporaryDir web;
    TestServer server;
    ASSERT_TRUE(server.StartStatic(web.path()));
    ExpectFailure(Update(server.Url(kPath)));
}

TEST_F(OnlineUpdate, ARefusedConnectionShowsTheErrorAndChangesNothing)
{
    const quint16 port = RefusingPort();
    ASSERT_NE(port, 0);
    ExpectFailure(Update(QUrl(u"http://127.0.0.1:%1%2"_s.arg(port).arg(kPath))));
}

TEST_F(OnlineUpdate, CancelInTheModalProgressDialogChangesNothingAndShowsNoBox)
{
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(u"silent"_s));

    bool blocksTheWindow = false;
    QElapsedTimer clock;
    clock.start();
    const Box box = Update(
        server.Url(kPath), 60000,
        [&](QWidget *dialog) {
            blocksTheWindow = dialog->windowModality() == Qt::ApplicationModal && !m_window->isActiveWindow();
            auto *cancel = dialog->findChild<QPushButton *>();
            ASSERT_NE(cancel, nullptr);
            EXPECT_EQ(cancel->text(), u"Cancel"_s);
            QTest::mouseClick(cancel, Qt::LeftButton);
        },
        false);
    EXPECT_LT(clock.elapsed(), 20000) << "the transfer ran on after Cancel";
    EXPECT_TRUE(blocksTheWindow);
    EXPECT_TRUE(box.text.isEmpty()) << "Cancel ends without the error box";
    EXPECT_EQ(Shown(*m_window), m_before);
    EXPECT_EQ(FileBytes(m_path), m_local);
}

TEST(OnlineUpdateSettings, TheBuiltInAddressNamesTheResultsFile)
{
    const QUrl source = DefaultUpdateSettings().source;
    EXPECT_TRUE(source.path().endsWith(kPath) && !source.path().contains("//"_L1))
        << source.toString().toStdString();
}
