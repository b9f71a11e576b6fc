// Whole flows through the real windows: by keys alone, as a screen reader reads
// them; undone and redone; under faults. A test fails, it never hangs: a message
// box that no test answered fails it unseen, and modal windows are driven from
// inside the exec() that opens them.

#include "gui_util.h"

#include "../net/test_server.h"

#include "storage/ResultsFile.h"
#include "ui/AboutDialog.h"
#include "ui/BracketDialog.h"
#include "ui/MainWindow.h"
#include "ui/ManualOrderDialog.h"
#include "ui/ResultDialog.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTreeWidget>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

namespace {

class Flow : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath(u"results.txt"_s);
};

// Where the keys go: the focus widget of the modal window on top, or else of
// the active window.
QWidget *keyTarget()
{
    QWidget *window =
        QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
    return window && window->focusWidget() ? window->focusWidget() : window;
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *target = keyTarget();
    ASSERT_TRUE(target) << "no window takes the keys";
    QTest::keyClick(target, key, modifiers);
}

QString focused()
{
    return keyTarget() ? keyTarget()->objectName() : QString();
}

// The opener takes the keys again once its modal window has closed, as the
// window manager would see to.
bool backTo(QWidget &window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QString spoken(const QObject &window, const QString &name)
{
    auto *widget = namedChild<QWidget>(window, name);
    QAccessibleInterface *face = widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    return face ? face->text(QAccessible::Name) : QString();
}

// Match 1 still open, no knockout result, a line ended by LF as by hand. A
// session mostly by keys: an update, a group and a knockout result, a manual
// order, a new championship; each one step, undone to the start with Ctrl+Z
// and redone with Ctrl+Y and Ctrl+Shift+Z, each time the same tables and the
// same file bytes as when that state was first reached.
TEST_F(Flow, ASessionByKeysEveryStepUndoneAndRedoneToItsTablesAndFileBytes)
{
    Championship start;
    ASSERT_TRUE(loadResultsFile(start, QStringLiteral(FIXTURO_TEST_DATA "/full_tournament.txt")));
    for (int r : {0, 24, 25, 26, 27, 28, 29, 30})
        start.matches[r].score = {};
    ASSERT_TRUE(writeBytes(m_path, resultsLine(start).chopped(2) + "\n"));
    QTemporaryDir web;
    start.matches[1].score = {u"0"_s, u"3"_s}; // match 2
    ASSERT_TRUE(writeBytes(web.filePath(u"results.txt"_s), resultsLine(start)));
    TestServer server;
    ASSERT_TRUE(server.StartStatic(web.path()));
    Championship championship;
    MainWindow window(championship, m_path);
    window.setUpdateSettings({.source = server.Url(u"/results.txt"_s)});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto action = [&](const QString &name) { return namedChild<QAction>(window, name); };
    // Tables, schedule, knockout names and the file's bytes.
    const auto now = [&] {
        QStringList texts;
        for (const auto *label :
             window.findChildren<QLabel *>(QRegularExpression(u"^(team_|standing_|scheduleLine)"_s)))
            texts << label->text();
        for (int r = kGroupMatchCount; r < kMatchCount; ++r)
            texts << championship.matches[r].team1 << championship.matches[r].team2;
        return texts << QString::fromLatin1(fileBytes(m_path));
    };
    QList<QStringList> states{now()};
    const auto stepped = [&](const QString &what) {
        states << now();
        EXPECT_EQ(action(u"undoAction"_s)->text(), u"Undo "_s + what);
    };
    EXPECT_EQ(spoken(window, u"teamFlag_15"_s), namedChild<QLabel>(window, u"team_15"_s)->text());

    answerMessage(); // "Update was made successfully!"
    action(u"updateOnlineAction"_s)->trigger();
    stepped(u"Online Update"_s);
    ASSERT_TRUE(backTo(window));
    for (int i = 0; i < 20 && !focused().startsWith(u"scheduleLine"_s); ++i)
        press(Qt::Key_Tab);
    EXPECT_EQ(focused(), u"scheduleLine0"_s) << "the schedule's one tab stop";
    press(Qt::Key_End);
    EXPECT_EQ(focused(), u"scheduleLine23"_s);
    press(Qt::Key_Home), press(Qt::Key_Down), press(Qt::Key_Down), press(Qt::Key_Up);
    EXPECT_EQ(focused(), u"scheduleLine1"_s);
    press(Qt::Key_Up);
    // The dialog opens on Return with the focus in the first goal box; Tab
    // goes down to the second, and pasted separators never reach them.
    onNext<ResultDialog>([](ResultDialog *) {
        for (const Qt::Key goals : {Qt::Key_2, Qt::Key_1}) {
            for (const char *pasted : {"3|", "4,", "5\n"}) {
                QGuiApplication::clipboard()->setText(QLatin1String(pasted));
                press(Qt::Key_V, Qt::ControlModifier);
            }
            press(goals);
            press(Qt::Key_Tab);
        }
        press(Qt::Key_Return);
    });
    press(Qt::Key_Return);
    stepped(u"Result of Match #1"_s);
    ASSERT_TRUE(backTo(window));
    EXPECT_EQ(focused(), u"scheduleLine0"_s);
    const QString team1 = championship.matches[24].team1;

    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), u"secondRoundButton"_s);
    onNext<BracketDialog>([&](BracketDialog *bracket) {
        press(Qt::Key_Down), press(Qt::Key_Right), press(Qt::Key_Up), press(Qt::Key_Left);
        EXPECT_EQ(focused(), u"matchArea_25"_s);
        onNext<ResultDialog>([&](ResultDialog *dialog) {
            // A draw shows the penalty boxes, which follow the goal boxes.
            press(Qt::Key_1), press(Qt::Key_Tab), press(Qt::Key_1), press(Qt::Key_Tab);
            EXPECT_EQ(spoken(*dialog, focused()), u"Penalties of "_s + team1);
            press(Qt::Key_4), press(Qt::Key_Tab), press(Qt::Key_3);
            press(Qt::Key_Return);
        });
        press(Qt::Key_Space);
        EXPECT_TRUE(backTo(*bracket));
        EXPECT_EQ(fileBytes(m_path).split('|').value(24), "1,1,4,3") << "saved with the bracket open";
        press(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focused(), u"exitButton"_s);
        press(Qt::Key_Return);
    });
    press(Qt::Key_Return);
    stepped(u"Result of Match #25"_s);
    EXPECT_EQ(fileBytes(m_path).split('|').value(0), "2,1");

    onNext<ManualOrderDialog>([](ManualOrderDialog *) {
        press(Qt::Key_Space); // the switch, which has the focus first
        for (int i = 0; i < 20 && focused() != u"okButton"_s; ++i)
            press(Qt::Key_Tab);
        press(Qt::Key_Return);
    });
    action(u"manualOrderAction"_s)->trigger();
    stepped(u"Manual Order"_s);
    const QByteArray manualOrder = fileBytes(m_path).split('|').last();
    answerMessage(nullptr, QMessageBox::No);
    action(u"newChampionshipAction"_s)->trigger();
    EXPECT_EQ(now(), states.last()) << "No changes nothing";
    answerMessage(nullptr, QMessageBox::Yes);
    action(u"newChampionshipAction"_s)->trigger();
    EXPECT_EQ(fileBytes(m_path), QByteArray(",|").repeated(kMatchCount) + '0' + manualOrder.mid(1));
    stepped(u"New Championship"_s);

    ASSERT_TRUE(backTo(window));
    for (qsizetype i = states.size() - 1; i > 0; --i) {
        EXPECT_NE(states[i], states[i - 1]) << "step " << i << " changed nothing";
        press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(now(), states[i - 1]) << "after undoing step " << i;
    }
    EXPECT_FALSE(action(u"undoAction"_s)->isEnabled());
    for (qsizetype i = 1; i < states.size(); ++i) {
        press(i % 2 ? Qt::Key_Y : Qt::Key_Z,
              i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(now(), states[i]) << "after redoing step " << i;
    }
    EXPECT_FALSE(action(u"redoAction"_s)->isEnabled());

    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

// Each closes on Escape; the about window on a left click.
TEST_F(Flow, SecondaryWindowsCloseOnEscape)
{
    Championship championship = initialChampionship();
    QWidget owner;
    owner.show();
    const std::function<QDialog *()> windows[] = {
        [&] { return new ResultDialog(championship, kFirstKnockoutRow, &owner); },
        [&] { return new BracketDialog(championship, &owner); },
        [&] { return new ManualOrderDialog(championship, &owner); }, [&] { return new AboutDialog(&owner); }};
    for (const auto &make : windows) {
        const std::unique_ptr<QDialog> dialog(make());
        const char *name = dialog->metaObject()->className();
        dialog->open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get())) << name;
        if (qobject_cast<AboutDialog *>(dialog.get())) { // its picture, closed by a left click on it only
            QLabel *picture = namedChild(*dialog, u"pictureLabel"_s);
            QTest::mouseClick(picture, Qt::RightButton);
            EXPECT_TRUE(dialog->isVisible());
            QTest::mouseClick(picture, Qt::LeftButton);
        } else {
            press(Qt::Key_Escape);
        }
        EXPECT_FALSE(dialog->isVisible()) << name;
    }
}

struct ExitCase {
    const char *name;
    QMessageBox::StandardButton answer;
    bool byMenu;
    const char *savedTo; // nowhere when null
};

class ExitUnsaved : public Flow, public ::testing::WithParamInterface<ExitCase> {};

// Saves into a missing folder: the failure is told once, with its reason; at
// exit the question's answer decides where the results go.
TEST_P(ExitUnsaved, FailedSavesAreToldOnceWithTheReasonAndExitAsks)
{
    const ExitCase &c = GetParam();
    const QString path = m_dir.filePath(u"missing/results.txt"_s);
    Championship championship;
    MainWindow window(championship, path);
    window.setSavePathQuestion([&](QWidget *, const QString &) { return m_dir.filePath(u"other.txt"_s); });
    window.show();
    QStringList seen;
    answerMessage(&seen); // a second box would reach the failing fallback
    for (int i = 0; i < 2; ++i) {
        onNext<QWidget>([](QWidget *dialog) { dialog->close(); });
        QTest::mouseClick(namedChild<QLabel>(window, u"scheduleLine0"_s), Qt::LeftButton);
    }
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen[0].contains(QDir::toNativeSeparators(path)));
    EXPECT_FALSE(seen[0].section(u'\n', 1).trimmed().isEmpty()) << "no reason in " << seen[0].toStdString();

    championship.matches[0].score.goals1 = u"1"_s;
    QString asked;
    answerNextMessage([&](const QMessageBox &box) {
        asked = box.text();
        if (c.answer == QMessageBox::Retry)
            QDir().mkpath(m_dir.filePath(u"missing"_s)); // the fault is mended meanwhile
        return c.answer;
    });
    if (c.byMenu)
        namedChild<QAction>(window, u"exitAction"_s)->trigger();
    else
        window.close();
    EXPECT_TRUE(asked.contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(window.isVisible(), c.answer == QMessageBox::Cancel);
    for (const char *file : {"missing/results.txt", "other.txt"})
        EXPECT_EQ(fileBytes(m_dir.filePath(QLatin1String(file))),
                  qstrcmp(c.savedTo, file) == 0 ? resultsLine(championship) : QByteArray())
            << file;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Answers, ExitUnsaved, ::testing::Values(
    ExitCase{.name = "TryAgain", .answer = QMessageBox::Retry, .byMenu = false, .savedTo = "missing/results.txt"},
    ExitCase{.name = "SaveAs", .answer = QMessageBox::Save, .byMenu = true, .savedTo = "other.txt"},
    ExitCase{.name = "QuitWithoutSaving", .answer = QMessageBox::Discard, .byMenu = true, .savedTo = nullptr},
    ExitCase{.name = "Cancel", .answer = QMessageBox::Cancel, .byMenu = false, .savedTo = nullptr}),
    [](const auto &c) { return std::string(c.param.name); });
// clang-format on

// Types a score into the result dialog of schedule line `row` and presses OK.
void enterResult(MainWindow &window, int row, const QStringList &scores)
{
    onNext<ResultDialog>([&](ResultDialog *dialog) { enterScores(*dialog, scores); });
    QTest::mouseClick(namedChild<QLabel>(window, u"scheduleLine%1"_s.arg(row)), Qt::LeftButton);
}

// A save fails between two that succeed: every undo and redo leaves the file
// holding what the window shows, and the exit asks nothing when the file
// already holds it, even where it cannot be written.
TEST_F(Flow, AfterAFailedSaveUndoRedoAndExitKeepTheFileAsTheWindowShowsIt)
{
    Championship championship;
    MainWindow window(championship, m_path);
    window.show();
    enterResult(window, 0, {u"1"_s, u"0"_s});
    {
        const FullDisk full;
        answerMessage(); // the failed save is told
        enterResult(window, 1, {u"2"_s, u"0"_s});
    }
    enterResult(window, 2, {u"3"_s, u"0"_s});
    for (const char *action : {"undoAction", "undoAction", "redoAction", "redoAction"}) {
        SCOPED_TRACE(action);
        namedChild<QAction>(window, QLatin1String(action))->trigger();
        EXPECT_EQ(fileBytes(m_path), resultsLine(championship));
    }
    const FullDisk full;
    window.close();
    EXPECT_FALSE(window.isVisible());
}

// After the second matchday Portugal is certain of first place; the outlook
// window and the tables' tooltips follow a new championship and its undo.
TEST_F(Flow, TheOutlookFollowsEveryChange)
{
    Championship played;
    ASSERT_TRUE(loadResultsFile(played = initialChampionship(), FIXTURO_TEST_DATA "/full_tournament.txt"));
    for (int row = 16; row < kMatchCount; ++row)
        played.matches[row].score = {};
    ASSERT_TRUE(writeBytes(m_path, resultsLine(played)));
    Championship championship;
    MainWindow window(championship, m_path);
    window.show();
    namedChild<QAction>(window, u"groupOutlookAction"_s)->trigger();
    auto *table = namedChild<QTreeWidget>(window, u"outlookTable_0"_s);
    ASSERT_TRUE(table);
    const auto portugal = [&] { return table->findItems(u"Portugal"_s, Qt::MatchExactly).value(0)->text(2); };
    EXPECT_EQ(portugal(), u"through as group winner"_s);
    EXPECT_TRUE(
        namedChild(window, u"team_0"_s)->toolTip().startsWith(u"Portugal: through as group winner"_s));
    answerMessage(nullptr, QMessageBox::Yes);
    namedChild<QAction>(window, u"newChampionshipAction"_s)->trigger();
    EXPECT_EQ(portugal(), u"still open"_s);
    namedChild<QAction>(window, u"undoAction"_s)->trigger();
    EXPECT_EQ(portugal(), u"through as group winner"_s);
}

struct UpdateCase {
    const char *mode;
    const char *reason = nullptr; // in the error box's detail; none for a success
    bool trusted = false;         // the test's certificate authority, for "tls"
    bool cancel = false;          // Cancel pressed in the progress window: no box, nothing changed
    bool folderGone = false;      // the results file's folder removed after the start: downloaded, not saved
};

class UpdateFaults : public Flow, public ::testing::WithParamInterface<UpdateCase> {};

TEST_P(UpdateFaults, OnlyAResultsFileReplacesTheLocalOne)
{
    const UpdateCase &c = GetParam();
    const QByteArray local =
        "2,2|" + QByteArray(",|").repeated(kMatchCount - 1) + ManualOrder::kInitialText + "\r\n";
    const QString path = c.folderGone ? m_dir.filePath(u"gone/results.txt"_s) : m_path;
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()) && writeBytes(path, local));
    const QString cert = m_dir.filePath(u"cert.pem"_s); // made by the TLS server for 127.0.0.1
    qputenv("FIXTURO_TLS_CERT", cert.toLocal8Bit());
    TestServer server;
    ASSERT_TRUE(server.StartMisbehaving(QLatin1String(c.mode)));
    UpdateSettings settings{.source = server.Url(u"/files/results.txt"_s)};
    if (c.mode == "tls"_L1) {
        settings.source.setScheme(u"https"_s);
        if (c.trusted)
            settings.extraCaCertificates = QSslCertificate::fromPath(cert);
    }
    Championship championship;
    MainWindow window(championship, path);
    ASSERT_TRUE(!c.folderGone || QDir(QFileInfo(path).path()).removeRecursively());
    window.setUpdateSettings(settings);
    window.show();
    QStringList seen;
    if (c.cancel)
        onNext<QProgressDialog>([](QProgressDialog *progress) {
            QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
        });
    else
        answerMessage(&seen);
    namedChild<QAction>(window, u"updateOnlineAction"_s)->trigger();
    if (!c.reason && !c.cancel) {
        EXPECT_EQ(seen, QStringList{u"Update was made successfully!"_s});
        EXPECT_EQ(championship.matches[0].score.goals1, u"1"_s);
        return;
    }
    EXPECT_EQ(fileBytes(path), c.folderGone ? QByteArray() : local);
    EXPECT_EQ(championship.matches[0].score.goals1, u"2"_s);
    if (c.cancel)
        return; // no box: one would have reached the failing fallback
    EXPECT_EQ(seen.value(0).contains(path), c.folderGone) << "the file that could not be saved is named";
    EXPECT_TRUE(seen.value(1).contains(QLatin1String(c.reason))) << seen.value(1).toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Servers, UpdateFaults, ::testing::Values(
    UpdateCase{.mode = "html", .reason = "Not a results file"},
    UpdateCase{.mode = "tls", .reason = "SSL"},
    UpdateCase{.mode = "tls", .trusted = true},
    UpdateCase{.mode = "tls", .reason = "No such file or directory", .trusted = true, .folderGone = true},
    UpdateCase{.mode = "silent", .cancel = true}),
    [](const auto &c) { return std::string(c.param.mode) + (c.param.folderGone ? "_unsaved" : c.param.trusted ? "_ok" : c.param.cancel ? "_canceled" : ""); });
// clang-format on

} // namespace
