// Whole flows through the real windows: by keys alone, as a screen reader reads
// them; undone and redone; under faults. A test fails, it never hangs: a message
// box that no test answered fails it unseen, and modal windows are driven from
// inside the exec() that opens them.

#include "gui_util.h"

#include "../net/test_server.h"

#include "ui/Frm2Round.h"
#include "ui/FrmAbout.h"
#include "ui/FrmMain.h"
#include "ui/FrmMatch.h"
#include "ui/FrmSelectMan.h"
#include "ui/Pictures.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

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
QWidget *KeyTarget()
{
    QWidget *window =
        QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
    return window && window->focusWidget() ? window->focusWidget() : window;
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *target = KeyTarget();
    ASSERT_TRUE(target) << "no window takes the keys";
    QTest::keyClick(target, key, modifiers);
}

QString Focused()
{
    return KeyTarget() ? KeyTarget()->objectName() : QString();
}

// The opener takes the keys again once its modal window has closed, as the
// window manager would see to.
bool BackTo(QWidget &window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QString Spoken(const QObject &window, const QString &name)
{
    auto *widget = NamedChild<QWidget>(window, name);
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
    ModVars start;
    LoadFromFile(start, QStringLiteral(FIXTURO_TEST_DATA "/full_tournament.txt"));
    for (int r : {0, 24, 25, 26, 27, 28, 29, 30})
        for (int f : {Match::goals1, Match::goals2, Match::penalties1, Match::penalties2})
            start.MatchTable[r][f].clear();
    ASSERT_TRUE(WriteBytes(m_path, ResultsLine(start).chopped(2) + "\n"));
    QTemporaryDir web;
    start.MatchTable[1][Match::goals1] = u"0"_s, start.MatchTable[1][Match::goals2] = u"3"_s; // match 2
    ASSERT_TRUE(WriteBytes(web.filePath(u"results.txt"_s), ResultsLine(start)));
    TestServer server;
    ASSERT_TRUE(server.StartStatic(web.path()));
    ModVars vars;
    FrmMain window(vars, m_path);
    window.setUpdateSettings({.source = server.Url(u"/results.txt"_s)});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto action = [&](const QString &name) { return NamedChild<QAction>(window, name); };
    // Tables, schedule, knockout names and the file's bytes.
    const auto now = [&] {
        QStringList texts;
        for (const auto *label :
             window.findChildren<QLabel *>(QRegularExpression(u"^lbl(Team|Table|DailySched)_"_s)))
            texts << label->text();
        for (int r = kGroupMatchCount; r < kMatchCount; ++r)
            texts << vars.MatchTable[r][Match::team1] << vars.MatchTable[r][Match::team2];
        return texts << QString::fromLatin1(FileBytes(m_path));
    };
    QList<QStringList> states{now()};
    const auto stepped = [&](const QString &what) {
        states << now();
        EXPECT_EQ(action(u"MnuUndo"_s)->text(), u"Undo "_s + what);
    };
    EXPECT_EQ(Spoken(window, u"ImgFlagD_3"_s), NamedChild<QLabel>(window, u"lblTeam_15"_s)->text());

    AnswerMessage(); // "Update was made successfully!"
    action(u"MnuUpdate"_s)->trigger();
    stepped(u"Online Update"_s);
    ASSERT_TRUE(BackTo(window));
    for (int i = 0; i < 3 && !Focused().startsWith(u"lblDailySched"_s); ++i)
        Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), u"lblDailySched_0"_s) << "the schedule's one tab stop";
    Press(Qt::Key_End);
    EXPECT_EQ(Focused(), u"lblDailySched_23"_s);
    Press(Qt::Key_Home), Press(Qt::Key_Down), Press(Qt::Key_Down), Press(Qt::Key_Up);
    EXPECT_EQ(Focused(), u"lblDailySched_1"_s);
    Press(Qt::Key_Up);
    // The dialog opens on Return; the goal boxes follow from the second to the
    // first, and pasted separators never reach them.
    OnNext<FrmMatch>([](FrmMatch *) {
        for (const Qt::Key goals : {Qt::Key_1, Qt::Key_2}) {
            Press(Qt::Key_Tab);
            for (const char *pasted : {"3|", "4,", "5\n"}) {
                QGuiApplication::clipboard()->setText(QLatin1String(pasted));
                Press(Qt::Key_V, Qt::ControlModifier);
            }
            Press(goals);
        }
        Press(Qt::Key_Return);
    });
    Press(Qt::Key_Return);
    stepped(u"Result of Match #1"_s);
    ASSERT_TRUE(BackTo(window));
    EXPECT_EQ(Focused(), u"lblDailySched_0"_s);
    const QString team1 = vars.MatchTable[24][Match::team1];
    ASSERT_FALSE(team1.startsWith(u"Winner"_s)) << "group A is complete";

    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), u"CmdSecond"_s);
    OnNext<Frm2Round>([&](Frm2Round *bracket) {
        Press(Qt::Key_Down), Press(Qt::Key_Right), Press(Qt::Key_Up), Press(Qt::Key_Left);
        EXPECT_EQ(Focused(), u"lblMatch_28"_s);
        OnNext<FrmMatch>([&](FrmMatch *dialog) {
            // A draw shows the penalty boxes, which follow OK in the focus chain.
            Press(Qt::Key_Tab), Press(Qt::Key_1), Press(Qt::Key_Tab), Press(Qt::Key_1);
            Press(Qt::Key_Tab), Press(Qt::Key_Tab), Press(Qt::Key_3), Press(Qt::Key_Tab), Press(Qt::Key_4);
            EXPECT_EQ(Spoken(*dialog, Focused()), u"Penalties of "_s + team1);
            Press(Qt::Key_Return);
        });
        Press(Qt::Key_Space);
        EXPECT_TRUE(BackTo(*bracket));
        EXPECT_EQ(FileBytes(m_path).split('|').value(24), "1,1,4,3") << "saved with the bracket open";
        Press(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(Focused(), u"bExit"_s);
        Press(Qt::Key_Return);
    });
    Press(Qt::Key_Return);
    stepped(u"Result of Match #25"_s);
    EXPECT_EQ(FileBytes(m_path).split('|').value(0), "2,1");

    OnNext<FrmSelectMan>([](FrmSelectMan *) {
        Press(Qt::Key_Space); // the switch, which has the focus first
        for (int i = 0; i < 20 && Focused() != u"Command1"_s; ++i)
            Press(Qt::Key_Tab);
        Press(Qt::Key_Return);
    });
    action(u"mnumanual"_s)->trigger();
    stepped(u"Manual Order"_s);
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        AnswerMessage(nullptr, answer);
        action(u"MnuNewChampionship"_s)->trigger();
        EXPECT_TRUE(answer == QMessageBox::Yes || now() == states.last()) << "No changes nothing";
    }
    EXPECT_EQ(FileBytes(m_path), QByteArray(",|").repeated(kMatchCount) + kInitialTeamList + "\r\n");
    stepped(u"New Championship"_s);

    ASSERT_TRUE(BackTo(window));
    for (qsizetype i = states.size() - 1; i > 0; --i) {
        EXPECT_NE(states[i], states[i - 1]) << "step " << i << " changed nothing";
        Press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(now(), states[i - 1]) << "after undoing step " << i;
    }
    EXPECT_FALSE(action(u"MnuUndo"_s)->isEnabled());
    for (qsizetype i = 1; i < states.size(); ++i) {
        Press(i % 2 ? Qt::Key_Y : Qt::Key_Z,
              i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(now(), states[i]) << "after redoing step " << i;
    }
    EXPECT_FALSE(action(u"MnuRedo"_s)->isEnabled());

    Press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

// Each closes on Escape, the about window on a left click; every text of the result dialog reads at 4.5:1 or
// better.
TEST_F(Flow, SecondaryWindowsOpenCentredOnTheScreenReadableAndCloseOnEscape)
{
    const auto luminance = [](const QColor &c) { // relative luminance, plus 0.05
        const auto f = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * f(c.redF()) + 0.7152 * f(c.greenF()) + 0.0722 * f(c.blueF()) + 0.05;
    };
    ModVars vars;
    InitFixtureData(vars);
    DialogRefreshSequence(vars, {});
    vars.SelectedMatch = 24;
    QWidget owner;
    owner.setGeometry(10, 10, 200, 100); // off the screen's centre
    owner.show();
    const QPoint centre = owner.screen()->availableGeometry().center();
    const std::function<QDialog *()> windows[] = {
        [&] { return new FrmMatch(vars, &owner); }, [&] { return new Frm2Round(vars, &owner); },
        [&] { return new FrmSelectMan(vars, &owner); }, [&] { return new FrmAbout(&owner); }};
    for (const auto &make : windows) {
        const std::unique_ptr<QDialog> dialog(make());
        const char *name = dialog->metaObject()->className();
        dialog->open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get())) << name;
        EXPECT_LE((dialog->frameGeometry().center() - centre).manhattanLength(), 4) << name << " not centred";
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            if (!qobject_cast<FrmMatch *>(dialog.get()) || label->text().isEmpty())
                continue;
            const QWidget *back =
                label->autoFillBackground() ? static_cast<const QWidget *>(label) : dialog.get();
            const double text = luminance(label->palette().color(QPalette::WindowText));
            const double ground = luminance(back->palette().color(QPalette::Window));
            EXPECT_GE(std::max(text, ground) / std::min(text, ground), 4.5)
                << label->objectName().toStdString();
        }
        if (qobject_cast<FrmAbout *>(dialog.get())) { // its picture, closed by a left click on it only
            QLabel *picture = NamedChild(*dialog, u"Image1"_s);
            EXPECT_EQ(picture->pixmap().toImage(), AboutPicture().toImage());
            QTest::mouseClick(picture, Qt::RightButton);
            EXPECT_TRUE(dialog->isVisible());
            QTest::mouseClick(picture, Qt::LeftButton);
        } else {
            Press(Qt::Key_Escape);
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
    ModVars vars;
    FrmMain window(vars, path);
    window.setSavePathQuestion([&](QWidget *, const QString &) { return m_dir.filePath(u"other.txt"_s); });
    window.show();
    QStringList seen;
    AnswerMessage(&seen); // a second box would reach the failing fallback
    for (int i = 0; i < 2; ++i) {
        OnNext<QWidget>([](QWidget *dialog) { dialog->close(); });
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

struct UpdateCase {
    const char *mode;
    const char *reason = nullptr; // in the error box's detail; none for a success
    bool trusted = false;         // the test's certificate authority, for "tls"
    bool cancel = false;          // Cancel pressed in the progress window: no box, nothing changed
};

class UpdateFaults : public Flow, public ::testing::WithParamInterface<UpdateCase> {};

TEST_P(UpdateFaults, OnlyAResultsFileReplacesTheLocalOne)
{
    const UpdateCase &c = GetParam();
    const QByteArray local = "2,2|" + QByteArray(",|").repeated(kMatchCount - 1) + kInitialTeamList + "\r\n";
    ASSERT_TRUE(WriteBytes(m_path, local));
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
    ModVars vars;
    FrmMain window(vars, m_path);
    window.setUpdateSettings(settings);
    window.show();
    QStringList seen;
    if (c.cancel)
        OnNext<QProgressDialog>([](QProgressDialog *progress) {
            QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
        });
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
    EXPECT_TRUE(c.cancel ? seen.isEmpty()
                         : seen.value(0).startsWith(u"There was a error making"_s) &&
                               seen.value(1).contains(QLatin1String(c.reason)))
        << seen.join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Servers, UpdateFaults,
    ::testing::Values(UpdateCase{"html", "Not a results file"}, UpdateCase{"empty", "Not a results file"},
                      UpdateCase{"few", "Not a results file"}, UpdateCase{"tls", "SSL"},
                      UpdateCase{"tls", nullptr, true}, UpdateCase{"silent", nullptr, false, true}),
    [](const auto &c) {
        return std::string(c.param.mode) + (c.param.trusted ? "_ok" : c.param.cancel ? "_canceled" : "");
    });

} // namespace
