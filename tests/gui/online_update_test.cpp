// "File > Update Online" through the real main window, against HTTP servers
// on 127.0.0.1 that the tests start.

#include "gui_util.h"

#include "../net/test_server.h"

#include "groups/GroupLines.h"
#include "storage/ResultsFile.h"
#include "ui/FrmMain.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include <functional>
#include <memory>
#include <vector>

using namespace fixturo;
using namespace fixturo::test;

namespace {

const char *const kProgressName = "UpdateProgress";
const QString kSuccessText = QStringLiteral("Update was made successfully!");
const QString kErrorText =
    QStringLiteral("There was a error making the Update. Make sure that you are online and try again!");

// Drives the next modal window of one kind: the transfer's progress dialog,
// or anything else (the message boxes).
enum class Kind { ProgressDialog, OtherModal };

std::unique_ptr<ModalDriver> NextModal(Kind kind, ModalDriver::Drive drive)
{
    return std::make_unique<ModalDriver>(std::move(drive), nullptr, 20000, [kind](QWidget *modal) {
        return (modal->objectName() == QLatin1String(kProgressName)) == (kind == Kind::ProgressDialog);
    });
}

// What a message box showed.
struct Box {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

Box TakeBox(QWidget *modal)
{
    Box box;
    box.title = modal->windowTitle();
    if (auto *message = qobject_cast<QMessageBox *>(modal))
        box.icon = message->icon();
    box.text = AcceptMessageBox(modal);
    return box;
}

// The texts of the group tables and the daily schedule, in label order.
QStringList ShownTexts(const QWidget &window)
{
    QStringList texts;
    auto add = [&](const QString &name) {
        const auto *label = window.findChild<QLabel *>(name);
        texts << (label ? label->text() : QStringLiteral("<missing %1>").arg(name));
    };
    for (int i = 0; i < kGroupCount * kTeamsPerGroup; ++i) {
        add(QStringLiteral("lblTeam_%1").arg(i));
        add(QStringLiteral("lblTable_%1").arg(i));
    }
    for (int i = 0; i < kGroupMatchCount; ++i)
        add(QStringLiteral("lblDailySched_%1").arg(i));
    return texts;
}

// The same texts as the window should draw them from a state.
QStringList TextsOf(const ModVars &vars)
{
    QStringList texts;
    for (int g = 0; g < kGroupCount; ++g)
        for (int i = 0; i < kTeamsPerGroup; ++i) {
            texts << vars.GroupTeams[g][i][Col::Name];
            texts << StatisticsLine(vars.GroupTeams[g][i]);
        }
    for (int i = 0; i < kGroupMatchCount; ++i)
        texts << ScheduleLine(vars.MatchTable[i]);
    return texts;
}

QStringList AllGoals(const ModVars &vars)
{
    QStringList goals;
    for (const MatchRow &row : vars.MatchTable)
        goals << row[Match::goals1] << row[Match::goals2];
    return goals;
}

class OnlineUpdate : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name :
             {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(m_web.isValid());
        m_path = m_dir.filePath(QStringLiteral("results.txt"));

        // Local results: group A played out, a quarter-final decided on
        // penalties, and a manual order that reverses group A.
        ModVars local;
        InitFixtureData(local);
        int goals = 0;
        for (int row : GroupMatchRows(0)) {
            local.MatchTable[row][Match::goals1] = QString::number(goals % 3 + 1);
            local.MatchTable[row][Match::goals2] = QString::number(goals % 2);
            ++goals;
        }
        local.MatchTable[24][Match::goals1] = QStringLiteral("1");
        local.MatchTable[24][Match::goals2] = QStringLiteral("1");
        local.MatchTable[24][Match::penalties1] = QStringLiteral("4");
        local.MatchTable[24][Match::penalties2] = QStringLiteral("3");
        local.TeamList =
            QStringLiteral("1,Czech Republic,Switzerland,Turkey,Portugal,Austria,Croatia,Germany,"
                           "Poland,France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden");
        m_local = ResultsLine(local);
        ASSERT_TRUE(WriteBytes(m_path, m_local));
    }

    // Publishes `bytes` as files/results.txt of the web root.
    QString Publish(const QByteArray &bytes)
    {
        const QString root = m_web.filePath(QStringLiteral("www"));
        EXPECT_TRUE(QDir().mkpath(root + QStringLiteral("/files")));
        EXPECT_TRUE(WriteBytes(root + QStringLiteral("/files/results.txt"), bytes));
        return root;
    }

    static UpdateSettings Settings(const QUrl &source, int idleTimeoutMs = 10000)
    {
        UpdateSettings settings;
        settings.source = source;
        settings.idleTimeoutMs = idleTimeoutMs;
        return settings;
    }

    static QAction *UpdateAction(const QWidget &window)
    {
        auto *action = window.findChild<QAction *>(QStringLiteral("MnuUpdate"));
        EXPECT_NE(action, nullptr) << "no MnuUpdate action";
        return action;
    }

    // A failed update: the error box over the unchanged tables, the same
    // state, the same file.
    void ExpectFailedUpdate(const UpdateSettings &settings)
    {
        ModVars vars;
        FrmMain window(vars, m_path);
        window.setUpdateSettings(settings);
        window.show();
        const QStringList before = ShownTexts(window);
        const QStringList goalsBefore = AllGoals(vars);
        const QString teamListBefore = vars.TeamList;
        ASSERT_EQ(vars.ManualOrderFlag, 1);

        Box box;
        QStringList shownAtBox;
        const auto boxDriver = NextModal(Kind::OtherModal, [&](QWidget *modal) {
            shownAtBox = ShownTexts(window);
            box = TakeBox(modal);
        });
        QAction *update = UpdateAction(window);
        ASSERT_NE(update, nullptr);
        update->trigger();

        ASSERT_TRUE(boxDriver->Fired());
        EXPECT_EQ(box.title, " Error");
        EXPECT_EQ(box.text, kErrorText);
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_EQ(shownAtBox, before);
        EXPECT_EQ(ShownTexts(window), before);
        EXPECT_EQ(AllGoals(vars), goalsBefore);
        EXPECT_EQ(vars.TeamList, teamListBefore);
        EXPECT_EQ(vars.ManualOrderFlag, 1);
        EXPECT_EQ(FileBytes(m_path), m_local);
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.txt"});
    }

    QTemporaryDir m_dir; // the program's folder
    QTemporaryDir m_web; // the update server's web root
    QString m_path;
    QByteArray m_local;
};

} // namespace

TEST_F(OnlineUpdate, AnEmptyPublishedFileClearsEveryScoreAndTheManualOrder)
{
    QByteArray published;
    for (int i = 0; i < kMatchCount; ++i)
        published += ",|";
    published += QByteArray(kInitialTeamList) + "\r\n";
    TestServer server;
    ASSERT_TRUE(server.StartStatic(Publish(published))) << server.Problem().toStdString();

    ModVars vars;
    FrmMain window(vars, m_path);
    window.setUpdateSettings(Settings(server.Url(QStringLiteral("/files/results.txt"))));
    window.show();

    // Before: scores and the manual order from the local file.
    ASSERT_EQ(vars.ManualOrderFlag, 1);
    ASSERT_EQ(vars.GroupTeams[0][0][Col::Name], "Czech Republic");
    const QString pairedBefore = vars.MatchTable[24][Match::team1];
    const QStringList before = ShownTexts(window);

    // What the tables must show afterwards: the local state with the
    // published file applied by the update sequence.
    ModVars expected = vars;
    UpdateRefreshSequence(expected, m_web.filePath(QStringLiteral("www/files/results.txt")), {});
    ASSERT_NE(TextsOf(expected), before) << "the update would change nothing visible";

    Box box;
    QStringList shownAtBox;
    QString pairedAtBox;
    const auto boxDriver = NextModal(Kind::OtherModal, [&](QWidget *modal) {
        shownAtBox = ShownTexts(window);
        pairedAtBox = vars.MatchTable[24][Match::team1];
        box = TakeBox(modal);
    });
    QAction *update = UpdateAction(window);
    ASSERT_NE(update, nullptr);
    update->trigger();

    ASSERT_TRUE(boxDriver->Fired());
    EXPECT_EQ(box.title, " Download Successful");
    EXPECT_EQ(box.text, kSuccessText);
    EXPECT_EQ(box.icon, QMessageBox::Warning); // the exclamation mark

    // Everything was redrawn before the box came.
    EXPECT_EQ(shownAtBox, TextsOf(expected));
    EXPECT_NE(pairedBefore, pairedAtBox);
    EXPECT_EQ(pairedAtBox, expected.MatchTable[24][Match::team1]);

    // Every score is gone and the manual order is off.
    for (const QString &goals : AllGoals(vars))
        EXPECT_EQ(goals, "");
    EXPECT_EQ(vars.ManualOrderFlag, 0);
    EXPECT_EQ(vars.TeamList, QString::fromLatin1(kInitialTeamList));
    for (int i = 0; i < kGroupCount * kTeamsPerGroup; ++i) {
        const auto *table = window.findChild<QLabel *>(QStringLiteral("lblTable_%1").arg(i));
        ASSERT_NE(table, nullptr);
        EXPECT_TRUE(table->text().startsWith(u'0')) << table->text().toStdString();
    }
    EXPECT_EQ(ShownTexts(window), TextsOf(expected));
}

TEST_F(OnlineUpdate, AFileMissingOnTheServerShowsTheErrorAndChangesNothing)
{
    TestServer server;
    ASSERT_TRUE(server.StartStatic(m_web.path())) << server.Problem().toStdString();
    ExpectFailedUpdate(Settings(server.Url(QStringLiteral("/files/results.txt"))));
}

TEST_F(OnlineUpdate, AnUnreachableServerShowsTheErrorAndChangesNothing)
{
    const quint16 port = RefusingPort();
    ASSERT_NE(port, 0);
    ExpectFailedUpdate(Settings(QUrl(QStringLiteral("http://127.0.0.1:%1/files/results.txt").arg(port))));
}

TEST_F(OnlineUpdate, CancelInTheProgressDialogIsAFailureThatChangesNothing)
{
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QStringLiteral("silent"))) << server.Problem().toStdString();

    ModVars vars;
    FrmMain window(vars, m_path);
    const int idleTimeoutMs = 30000; // only Cancel can end this transfer in time
    window.setUpdateSettings(Settings(server.Url(QStringLiteral("/files/results.txt")), idleTimeoutMs));
    window.show();
    const QStringList before = ShownTexts(window);
    const QStringList goalsBefore = AllGoals(vars);

    bool wasApplicationModal = false;
    bool blockedTheWindow = false;
    const auto progressDriver = NextModal(Kind::ProgressDialog, [&](QWidget *modal) {
        wasApplicationModal = modal->windowModality() == Qt::ApplicationModal;
        blockedTheWindow = QApplication::activeModalWidget() == modal && !window.isActiveWindow();
        auto *cancel = modal->findChild<QPushButton *>();
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->text(), "Cancel");
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    Box box;
    const auto boxDriver = NextModal(Kind::OtherModal, [&](QWidget *modal) { box = TakeBox(modal); });

    QElapsedTimer clock;
    clock.start();
    QAction *update = UpdateAction(window);
    ASSERT_NE(update, nullptr);
    update->trigger();

    ASSERT_TRUE(progressDriver->Fired());
    ASSERT_TRUE(boxDriver->Fired());
    EXPECT_LT(clock.elapsed(), idleTimeoutMs / 2) << "the transfer ran on after Cancel";
    EXPECT_TRUE(wasApplicationModal);
    EXPECT_TRUE(blockedTheWindow);
    EXPECT_EQ(box.title, " Error");
    EXPECT_EQ(box.text, kErrorText);
    EXPECT_EQ(ShownTexts(window), before);
    EXPECT_EQ(AllGoals(vars), goalsBefore);
    EXPECT_EQ(vars.ManualOrderFlag, 1);
    EXPECT_EQ(FileBytes(m_path), m_local);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.txt"});
}

TEST(OnlineUpdateSettings, TheBuiltInAddressNamesTheResultsFile)
{
    const UpdateSettings settings = DefaultUpdateSettings();
    EXPECT_TRUE(settings.source.isValid());
    EXPECT_TRUE(settings.source.scheme() == "http" || settings.source.scheme() == "https");
    EXPECT_TRUE(settings.source.path().endsWith("/files/results.txt"))
        << settings.source.toString().toStdString();
    EXPECT_FALSE(settings.source.path().contains("//")) << settings.source.toString().toStdString();
    EXPECT_EQ(settings.maxBytes, 64 * 1024);
    EXPECT_GT(settings.idleTimeoutMs, 0);
}
