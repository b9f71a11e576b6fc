// The windows one at a time, then whole flows through them: by keys alone, as a screen reader reads
// them; undone and redone; under faults. A test fails, it never hangs: a message
// box that no test answered fails it unseen, and modal windows are driven from
// inside the exec() that opens them.

#include "gui_util.h"

#include "../net/test_server.h"

#include "app/Sequences.h"
#include "storage/ResultsFile.h"
#include "ui/Frm2Round.h"
#include "ui/FrmAbout.h"
#include "ui/FrmMain.h"
#include "ui/FrmMatch.h"
#include "ui/FrmSelectMan.h"
#include "ui/Pictures.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

#include <cmath>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

namespace {

class Flow : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath(u"results.txt"_s);
};

void CloseNextModal()
{
    OnNext<QWidget>([](QWidget *window) { window->close(); });
}

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
    UnsetProxies();
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
    // Flags and group rows read aloud; every name fits before its flag.
    EXPECT_EQ(Spoken(window, u"ImgFlagD_3"_s), NamedChild<QLabel>(window, u"lblTeam_15"_s)->text());
    EXPECT_TRUE(
        Spoken(window, u"lblTable_0"_s).startsWith(NamedChild<QLabel>(window, u"lblTeam_0"_s)->text()));
    EXPECT_EQ(Spoken(window, u"ImgFlagRound_47"_s), vars.MatchTable[23][Match::team2]);
    for (int n = 0; n < 16; ++n) {
        const auto *team = NamedChild<QLabel>(window, u"lblTeam_%1"_s.arg(n));
        const auto *flag = NamedChild<QLabel>(
            window, u"ImgFlag%1_%2"_s.arg(n < 4 ? QString() : QString(QChar(u'A' + n / 4))).arg(n % 4));
        ASSERT_TRUE(team && flag);
        EXPECT_LE(team->x() + team->fontMetrics().horizontalAdvance(team->text()), flag->x())
            << team->text().toStdString();
    }

    AnswerMessage(); // "Update was made successfully!"
    action(u"MnuUpdate"_s)->trigger();
    stepped(u"Online Update"_s);
    ASSERT_TRUE(BackTo(window));
    for (int i = 0; i < 3 && !Focused().startsWith(u"lblDailySched"_s); ++i)
        Press(Qt::Key_Tab);
    Press(Qt::Key_End);
    EXPECT_EQ(Focused(), u"lblDailySched_23"_s);
    Press(Qt::Key_Home), Press(Qt::Key_Down), Press(Qt::Key_Down), Press(Qt::Key_Up);
    EXPECT_EQ(Focused(), u"lblDailySched_1"_s);
    OnNext<FrmMatch>([](FrmMatch *) { Press(Qt::Key_Return); });
    Press(Qt::Key_Return); // OK on the same result: no step
    EXPECT_EQ(action(u"MnuUndo"_s)->text(), u"Undo Online Update"_s);
    ASSERT_TRUE(BackTo(window));
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
    const QString team1 = vars.MatchTable[24][Match::team1], team2 = vars.MatchTable[24][Match::team2];
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
            EXPECT_EQ(Spoken(*dialog, u"txtScore_1"_s), u"Goals of "_s + team2);
            Press(Qt::Key_Return);
        });
        Press(Qt::Key_Space);
        EXPECT_TRUE(BackTo(*bracket));
        EXPECT_EQ(FileBytes(m_path).split('|').value(24), "1,1,4,3") << "saved with the bracket open";
        EXPECT_EQ(Spoken(*bracket, u"lblMatch_28"_s),
                  u"Match 25: %1 1 (4 on penalties), %2 1 (3 on penalties)"_s.arg(team1, team2));
        EXPECT_EQ(Spoken(*bracket, u"ImgFlagRound_3"_s), team1);
        Press(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(Focused(), u"bExit"_s);
        Press(Qt::Key_Return);
    });
    Press(Qt::Key_Return);
    stepped(u"Result of Match #25"_s);
    EXPECT_EQ(FileBytes(m_path).split('|').value(0), "2,1");

    OnNext<FrmSelectMan>([](FrmSelectMan *dlg) {
        dlg->findChild<QCheckBox *>(u"ChManOrd"_s)->setChecked(true);
        QTest::mouseClick(dlg->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    });
    action(u"mnumanual"_s)->trigger();
    stepped(u"Manual Order"_s);
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        AnswerMessage(nullptr, answer);
        action(u"MnuNewChampionship"_s)->trigger();
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

    // Alt+F opens the File menu, Edit stands after it; F1 helps, Ctrl+Q quits.
    EXPECT_EQ(window.menuBar()->actions().value(1)->menu()->objectName(), u"MnuEdit"_s);
    auto *file = NamedChild<QMenu>(window, u"MnuFile"_s);
    Press(Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([file] { return file && file->isVisible(); }, 1000));
    file->close();
    QStringList items;
    for (const QAction *item : file->actions())
        items << (item->isSeparator() ? u"-"_s : item->objectName() + u'=' + item->text());
    EXPECT_EQ(items.join(u' '), u"mnumanual=Manual Order MnuUpdate=Update Online - MnuPrint=Print… "
                                u"MnuExport=Export… MnuExportCsv=Export Results as CSV… - MnuExit=Exit"_s);
    QStringList seen;
    AnswerMessage(&seen);
    Press(Qt::Key_F1);
    EXPECT_TRUE(seen.value(0).startsWith(u"Insert the result or update online"_s));
    vars.MatchTable[0][Match::goals1] = u"7"_s;
    Press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(FileBytes(m_path).startsWith("7,|")) << "saved at exit";
}

// Each opens centred on the screen and closes on Escape; every text of the
// result dialog reads at 4.5:1 or better and keeps to one line.
TEST_F(Flow, SecondaryWindowsOpenCentredOnTheScreenAndCloseOnEscape)
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
    owner.setGeometry(0, 0, 200, 150); // far from the screen's centre
    owner.show();
    const std::function<QDialog *()> windows[] = {
        [&] { return new FrmMatch(vars, &owner); }, [&] { return new Frm2Round(vars, &owner); },
        [&] { return new FrmSelectMan(vars, &owner); }, [&] { return new FrmAbout(&owner); }};
    for (const auto &make : windows) {
        const std::unique_ptr<QDialog> dialog(make());
        const char *name = dialog->metaObject()->className();
        dialog->open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get())) << name;
        const QPoint off = dialog->geometry().center() - dialog->screen()->availableGeometry().center();
        EXPECT_LE(off.manhattanLength(), 6) << name; // the frame may add a few pixels
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            if (!qobject_cast<FrmMatch *>(dialog.get()) || label->text().isEmpty())
                continue;
            const QWidget *back =
                label->autoFillBackground() ? static_cast<const QWidget *>(label) : dialog.get();
            const double text = luminance(label->palette().color(QPalette::WindowText));
            const double ground = luminance(back->palette().color(QPalette::Window));
            EXPECT_GE(std::max(text, ground) / std::min(text, ground), 4.5)
                << label->objectName().toStdString();
            EXPECT_LE(label->sizeHint().width(), label->width())
                << label->objectName().toStdString() << " wraps";
        }
        Press(Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible()) << name;
    }
}

TEST_F(Flow, ByKeysTheManualOrderWindowWithTabArrowsSpaceAndReturn)
{
    ModVars vars;
    InitFixtureData(vars);
    DialogRefreshSequence(vars, {});
    const QString first = vars.GroupTeams[0][0][Col::Name], second = vars.GroupTeams[0][1][Col::Name];
    FrmSelectMan window(vars);
    window.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Press(Qt::Key_Space);
    // Place 1 takes the second name, which leaves place 2 empty to pick again.
    Press(Qt::Key_Tab), Press(Qt::Key_Down), Press(Qt::Key_Tab), Press(Qt::Key_Down);
    while (Focused().startsWith(u"CmbSelectTeam"_s))
        Press(Qt::Key_Tab);
    Press(Qt::Key_Return); // a message would reach the failing fallback
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(vars.TeamList.startsWith(u"1,%1,%2,"_s.arg(second, first))) << vars.TeamList.toStdString();
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

TEST_F(Flow, AResultsFileThatCannotBeReadWholeIsCopiedAndToldOnce)
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

class UpdateFaults : public Flow, public ::testing::WithParamInterface<UpdateCase> {};

TEST_P(UpdateFaults, OnlyAResultsFileReplacesTheLocalOne)
{
    const UpdateCase &c = GetParam();
    const QByteArray local = "2,2|" + QByteArray(",|").repeated(kMatchCount - 1) + kInitialTeamList + "\r\n";
    UnsetProxies();
    ASSERT_TRUE(WriteBytes(m_path, local));
    UpdateSettings settings{.source = {}, .idleTimeoutMs = c.idleTimeoutMs};
    if (c.mode == "tls"_L1) {
        const QString cert = m_dir.filePath(u"cert.pem"_s), key = m_dir.filePath(u"key.pem"_s);
        ASSERT_EQ(
            QProcess::execute(u"openssl"_s,
                              {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                               "-nodes", "-days", "1", "-subj", "/CN=127.0.0.1", "-addext",
                               "subjectAltName=IP:127.0.0.1", "-keyout", key, "-out", cert}),
            0);
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

// A shown main window on a results file in a fresh folder, holding `content` when given.
struct Session {
    explicit Session(const QByteArray &content = {})
        : path(dir.filePath("results.txt")),
          window((content.isEmpty() || WriteBytes(path, content), vars), path)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QLabel *Line(int i) const { return NamedChild(window, QStringLiteral("lblDailySched_%1").arg(i)); }
    bool Flag(const QString &name, const QString &team) const
    {
        return NamedChild(window, name)->pixmap().toImage() == FlagPicture(team).toImage();
    }
    QTemporaryDir dir;
    QString path;
    ModVars vars;
    FrmMain window;
};

// Retypes the result dialog's first boxes, an empty text clearing one, then presses OK when asked.
void EnterScores(const QWidget &dialog, const QStringList &scores, bool ok = true)
{
    for (int i = 0; i < scores.size(); ++i) {
        auto *box = NamedChild<QLineEdit>(dialog, QStringLiteral("txtScore_%1").arg(i));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, scores[i]);
    }
    if (ok)
        QTest::mouseClick(NamedChild<QPushButton>(dialog, "bOk"), Qt::LeftButton);
}

// Moves the pointer onto a control from the window's corner, so that the window system reports the move.
void PointAt(QWidget *widget, QPoint local = {})
{
    QWidget *top = widget->window();
    QTest::mouseMove(top->windowHandle(), QPoint(1, 1));
    QTest::mouseMove(top->windowHandle(),
                     widget->mapTo(top, local.isNull() ? widget->rect().center() : local));
    QApplication::processEvents();
}

bool Highlighted(const QLabel *line)
{
    return line->autoFillBackground() &&
           line->palette().color(QPalette::Window) == QApplication::palette().color(QPalette::Button);
}

TEST(MainWindow, StartsFromTheResultsFileOrWithoutOne)
{
    Session fresh;
    EXPECT_EQ(Texts(fresh.window, {"lblTeam_12", "lblTeam_13", "lblTeam_14", "lblTeam_15", "lblTable_15",
                                   "lblDailySched_23"}),
              "Greece|Russia|Spain|Sweden|0  0 0 0 0  0|Wednesday 18 June 2008   Russia  -  Sweden");
    EXPECT_EQ(NamedChild<QGroupBox>(fresh.window, "frGroup_2")->title(), "GROUP C      Pts W D L GF GA");
    EXPECT_TRUE(fresh.Flag("ImgFlagRound_0", "Switzerland") && fresh.Flag("ImgFlagRound_47", "Sweden"));
    EXPECT_FALSE(QFile::exists(fresh.path)) << "starting writes nothing";
    EXPECT_EQ(fresh.window.centralWidget()->size(), QSize(836, 484));
    EXPECT_EQ(NamedChild(fresh.window, "v")->palette().color(QPalette::Window), QColor(0, 64, 64));

    // Group A played: Portugal and Turkey on 6, Czech Republic beat Switzerland.
    ModVars played = FreshState();
    const QStringList goals = QString("0 1 2 0 1 3 1 2 2 0 3 2").split(' ');
    for (int i = 0; const int row : {0, 1, 8, 9, 16, 17})
        SetScore(played, row, goals[2 * i], goals[2 * i + 1]), ++i;
    Session s(ResultsLine(played));
    EXPECT_EQ(Texts(s.window, {"lblTeam_0", "lblTeam_1", "lblTeam_2", "lblTeam_3", "lblTable_0", "lblTable_3",
                               "lblDailySched_0"}),
              "Portugal|Turkey|Czech Republic|Switzerland|6  2 0 1 5  3|3  1 0 2 3  3|"
              "Saturday 7 June 2008   Switzerland 0 - 1 Czech Republic");
    EXPECT_TRUE(s.Flag("ImgFlag_2", "Czech Republic") && s.Flag("ImgFlag_3", "Switzerland"));
    EXPECT_EQ(Pair(s.vars, 24) + " / " + Pair(s.vars, 25),
              "Portugal - Runner-up Grp B / Winner Grp B - Turkey");
}

TEST(MainWindow, PointerHighlightsTheScheduleLineUnderIt)
{
    Session s;
    PointAt(s.Line(3));
    EXPECT_TRUE(s.vars.SelectedMatch == 3 && Highlighted(s.Line(3)));
    PointAt(s.Line(7));
    EXPECT_TRUE(!Highlighted(s.Line(3)) && Highlighted(s.Line(7)));
    PointAt(NamedChild(s.window, "ImgFlagRound_20"));
    EXPECT_TRUE(Highlighted(s.Line(7))) << "a flag is no line";
    // Off the lines, over the panel: the look goes, the selection stays.
    QLabel *panel = NamedChild(s.window, "v");
    PointAt(panel, QPoint(2, panel->height() / 2));
    EXPECT_FALSE(Highlighted(s.Line(7)));
    EXPECT_EQ(s.vars.SelectedMatch, 7);
}

// The about window shows its picture and closes on a left click only; a team's
// name opens its page, a placeholder's nothing.
TEST(MainWindow, AboutPictureAndTeamLinks)
{
    Session s;
    bool stayedOpen = false;
    OnNext<FrmAbout>([&](FrmAbout *about) {
        QLabel *picture = NamedChild(*about, "Image1");
        const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown.copy(0, 0, 600, 400),
                  AboutPicture().toImage().convertToFormat(QImage::Format_RGB32).copy(0, 0, 600, 400));
        QTest::mouseClick(picture, Qt::RightButton);
        stayedOpen = about->isVisible();
        QTest::mouseClick(picture, Qt::LeftButton);
    });
    NamedChild<QAction>(s.window, "MnuAbout")->trigger();
    EXPECT_TRUE(stayedOpen);

    UrlCatcher catcher;
    QTest::mouseClick(NamedChild(s.window, "lblTeam_5"), Qt::LeftButton);
    NamedChild(s.window, "lblTeam_15")->setText("Winner Grp D");
    QTest::mouseClick(NamedChild(s.window, "lblTeam_15"), Qt::LeftButton);
    EXPECT_EQ(catcher.urls,
              QList<QUrl>({QUrl("https://en.wikipedia.org/wiki/Croatia_national_football_team")}));
}

// Every team's flag its own, found by a name in any case and spacing; placeholders have none.
TEST(Pictures, FlagsFoundByName)
{
    QList<QImage> seen;
    for (const QString &team : QString::fromLatin1(kInitialTeamList).split(u',').mid(1)) {
        EXPECT_FALSE(FlagPicture(team).isNull() || seen.contains(FlagPicture(team).toImage()))
            << team.toStdString();
        seen << FlagPicture(team).toImage();
    }
    EXPECT_EQ(FlagPicture(" czech  REPUBLIC ").toImage(), FlagPicture("Czech Republic").toImage());
    for (const char *name : {"Winner Grp A", "", "Czech"})
        EXPECT_TRUE(FlagPicture(name).isNull()) << name;
}

class MatchDialog : public ::testing::Test {
protected:
    // Sets the row's goals and penalties when given, then opens the dialog on it.
    void Open(int row, const QStringList &scores = {})
    {
        for (int i = 0; i < scores.size(); ++i)
            m_vars.MatchTable[row][Match::goals1 + i] = scores[i];
        m_vars.SelectedMatch = static_cast<std::int16_t>(row);
        m_dlg = std::make_unique<FrmMatch>(m_vars, &m_parent);
        m_dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_dlg.get()));
    }
    QLineEdit *Box(int i) const
    {
        return NamedChild<QLineEdit>(*m_dlg, QStringLiteral("txtScore_%1").arg(i));
    }
    // The four boxes as shown: "-" when hidden, "*" after a greyed one.
    QString Boxes() const
    {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << (!Box(i)->isVisibleTo(m_dlg.get())
                          ? QStringLiteral("-")
                          : Box(i)->text() +
                                (Box(i)->palette().color(QPalette::Base) != Qt::white ? "*" : ""));
        return texts.join(u'|');
    }
    QString Scores(int row) const
    {
        const MatchRow &r = m_vars.MatchTable[row];
        return QStringList{r[Match::goals1], r[Match::goals2], r[Match::penalties1], r[Match::penalties2]}
            .join(u'|');
    }
    // Types the scores and presses OK; a refusal's box is expected only when asked for, and its text
    // returned.
    QString Enter(const QStringList &scores, bool refused = false)
    {
        QStringList seen;
        if (refused)
            AnswerNextMessage([&](const QMessageBox &box) {
                EXPECT_TRUE(box.windowTitle() == "Fixturo" && box.icon() == QMessageBox::NoIcon);
                seen << box.text();
                return QMessageBox::Ok;
            });
        EnterScores(*m_dlg, scores);
        EXPECT_EQ(m_dlg->isVisible(), refused);
        EXPECT_EQ(m_dlg->result(), refused ? QDialog::Rejected : QDialog::Accepted);
        return seen.value(0);
    }

    ModVars m_vars = FreshState();
    QWidget m_parent;
    std::unique_ptr<FrmMatch> m_dlg;
};

TEST_F(MatchDialog, ShowsTheMatchWithItsStadiumAndFocusOnOk)
{
    Open(0);
    EXPECT_EQ(m_dlg->windowTitle(), "Match #1  Group A");
    EXPECT_EQ(Texts(*m_dlg, {"lblMatchInfo", "lblTeam1", "lblTeam2"}),
              "18:00  Saturday 7 June 2008  Basel  St. Jakob-Park|Switzerland|Czech Republic");
    EXPECT_FALSE(NamedChild(*m_dlg, "ImgFlagRound_1")->pixmap().isNull());
    EXPECT_EQ(m_dlg->focusWidget(), NamedChild<QPushButton>(*m_dlg, "bOk"));
    for (const auto &[row, jakob, happel] :
         {std::tuple{0, true, false}, {2, false, false}, {11, false, true}}) {
        Open(row);
        EXPECT_EQ(NamedChild(*m_dlg, "JakobPark")->isVisibleTo(m_dlg.get()), jakob) << row;
        EXPECT_EQ(NamedChild(*m_dlg, "ErnstHappel")->isVisibleTo(m_dlg.get()), happel) << row;
    }
}

TEST_F(MatchDialog, GroupResultsAsTypedHalfAScoreRefusedEmptyBoxesClear)
{
    Open(5, {"1", "1", "4", "2"});
    EXPECT_EQ(Boxes(), "1|1|-|-");
    EXPECT_EQ(Enter({"10", "03"}), "");
    EXPECT_EQ(Scores(5), "10|03|4|2") << "loaded penalties are kept";

    Open(30, {"1", "1", "3", "2"});
    EXPECT_EQ(Enter({"1", ""}, true), "Insert the Results");
    EXPECT_EQ(Scores(30), "1|1|3|2");
    EXPECT_EQ(Enter({"", ""}), "");
    EXPECT_EQ(Scores(30), "|||");
}

TEST_F(MatchDialog, KnockoutDrawByValueAsksForPenalties)
{
    Open(24); // placeholder teams until groups A and B are complete
    EXPECT_EQ(NamedChild(*m_dlg, "lblTeam1")->text(), "Winner Grp A");
    EXPECT_TRUE(NamedChild(*m_dlg, "ImgFlagRound_0")->pixmap().isNull());
    EnterScores(*m_dlg, {"1", "01"}, false);
    EXPECT_EQ(Boxes(), "1*|01*||");
    EXPECT_EQ(Enter({"1", "01"}, true), "Insert the Results of Penalties");
    EXPECT_EQ(Enter({"1", "01", "4", "03"}), "");
    EXPECT_EQ(Scores(24), "1|01|4|03");

    Open(25, {"1", "1", "5", "4"}); // goals that differ drop the penalties
    EXPECT_EQ(Boxes(), "1*|1*|5|4");
    EnterScores(*m_dlg, {"2"}, false);
    EXPECT_EQ(Boxes(), "2|1|-|-");
    EXPECT_EQ(Enter({"2"}), "");
    EXPECT_EQ(Scores(25), "2|1||");
}

TEST_F(MatchDialog, KeysAreHeldToTwoDigitsAndTheCloseBoxChangesNothing)
{
    Open(0);
    QTest::keyClicks(Box(0), "a-4 b7.");
    EXPECT_EQ(Box(0)->text(), "47");
    QTest::keyClick(Box(0), Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, Box(0), Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
    QTest::keyClicks(Box(0), "123");
    EXPECT_EQ(Box(0)->text(), "17") << "Delete works; two characters at most";
    QTest::keyClicks(Box(1), "07");
    EXPECT_EQ(Enter({}), "");
    EXPECT_EQ(Scores(0), "17|07||");

    Open(29, {"1", "1", "4", "3"});
    EnterScores(*m_dlg, {"7"}, false);
    m_dlg->close();
    EXPECT_EQ(m_dlg->result(), QDialog::Rejected);
    EXPECT_EQ(Scores(29), "1|1|4|3");
}

// Every group match 0-0 and the manual order on the fixture order: the quarter-finals are
// Portugal - Croatia, Austria - Turkey, France - Russia, Greece - Italy.
class BracketWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }
    QString Slots(int a, int b) const
    {
        return Texts(m_window, {QStringLiteral("lblTeam_%1").arg(a), QStringLiteral("lblTeam_%1").arg(b)});
    }
    QImage Flag(int i) const
    {
        return NamedChild(m_window, QStringLiteral("ImgFlagRound_%1").arg(i))->pixmap().toImage();
    }
    // A press over the middle of `target`, sent to the window so that whatever lies on top receives it.
    void ClickOn(const QString &target)
    {
        const QLabel *label = NamedChild(m_window, target);
        QTest::mouseClick(m_window.windowHandle(), Qt::LeftButton, {},
                          label->mapTo(&m_window, label->rect().center()));
    }
    // Presses a match area and types the scores into the dialog it opens.
    void Play(int area, const QStringList &scores)
    {
        OnNext<FrmMatch>([&](FrmMatch *dialog) { EnterScores(*dialog, scores); });
        ClickOn(QStringLiteral("lblMatch_%1").arg(area));
    }

    ModVars m_vars = [] {
        ModVars vars = FreshState();
        for (int r = 0; r < kGroupMatchCount; ++r)
            SetScore(vars, r, "0", "0");
        vars.TeamList[0] = u'1';
        vars.ManualOrderFlag = 1;
        Refresh(vars);
        return vars;
    }();
    Frm2Round m_window{m_vars};
};

TEST_F(BracketWindow, KnockoutStagePlayedThroughTheResultDialog)
{
    const QImage portugal = FlagPicture("Portugal").toImage();
    for (int i = 0; i <= 14; ++i)
        EXPECT_EQ(Flag(i).isNull(), i < 7) << "only the placeholders lack a flag: " << i;
    Play(28, {"2", "1"}); // #25 won outright
    EXPECT_EQ(Slots(16, 24), "2 Portugal| Portugal");
    EXPECT_EQ(Flag(3), portugal);
    Play(29, {"1", "1", "3", "4"}); // #26 to the second side on penalties
    EXPECT_EQ(Slots(18, 25), "(3)1 Austria| Turkey");
    Play(32, {"0", "0", "6", "5"}); // semi-final #29 to the first side on penalties
    EXPECT_EQ(Slots(31, 31), "Winner|Winner");
    EXPECT_TRUE(Flag(0).isNull());
    Play(35, {"1", "0"}); // the final, against the other semi-final's placeholder
    EXPECT_EQ(Slots(31, 31), "Portugal|Portugal");
    EXPECT_EQ(Flag(0), portugal);
    // #25 cleared after its semi-final: the placeholder comes back, the results stay.
    Play(28, {"", ""});
    EXPECT_EQ(Slots(16, 24), " Portugal|(6)0 Winner #25");
    EXPECT_EQ(Flag(3), portugal);
}

TEST_F(BracketWindow, APressOpensTheMatchUnderItAndAFlagOrTheLinkOpensNoDialog)
{
    const auto before = m_vars.MatchTable;
    m_vars.SelectedMatch = 30; // where the pointer crossed last
    QString title;
    OnNext<FrmMatch>([&](FrmMatch *dialog) { title = dialog->windowTitle(), dialog->close(); });
    QTest::mouseClick(NamedChild(m_window, "lblMatch_29"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(title, "Match #26  QF");

    int opened = 0; // a dialog opened by mistake is counted and closed
    QTimer guard;
    guard.callOnTimeout([&] {
        if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != &m_window && ++opened)
            modal->close();
    });
    guard.start(10);
    UrlCatcher catcher;
    for (const char *target : {"ImgFlagRound_7", "ImgFlagRound_3", "Label3"})
        ClickOn(target);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(catcher.urls, QList<QUrl>({QUrl(NamedChild(m_window, "Label3")->text())}));
    QTest::mouseClick(NamedChild<QPushButton>(m_window, "bExit"), Qt::LeftButton);
    EXPECT_FALSE(m_window.isVisible());
    EXPECT_EQ(m_vars.MatchTable, before);
}

const QString kInitialList = QString::fromLatin1(kInitialTeamList);

QComboBox *List(const QWidget &window, int group, int k)
{
    static const char *const names[] = {"CmbSelectTeam", "CmbSelectTeamB", "CmbSelectTeamc",
                                        "CmbSelectTeamd"};
    return NamedChild<QComboBox>(window, QStringLiteral("%1_%2").arg(names[group]).arg(k));
}

QStringList Shown(const QWidget &window, int group)
{
    QStringList texts;
    for (int k = 0; k < kTeamsPerGroup; ++k)
        texts << List(window, group, k)->currentText();
    return texts;
}

// Picks a name as a user does: opens the list, highlights the name, Enter.
void Pick(const QWidget &window, int group, int k, const QString &name)
{
    QComboBox *list = List(window, group, k);
    ASSERT_GE(list->findText(name), 0) << name.toStdString() << " is not offered";
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(list->findText(name), 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
}

// The lists show the stored order; a picked name leaves the list that held it empty; OK stores
// nothing until every list is filled, then the order and the switch, "0," with the switch off.
TEST(ManualOrderWindow, ListsPickingAndOk)
{
    ModVars vars = FreshState();
    FrmSelectMan window(vars);
    for (int g = 0; g < kGroupCount; ++g)
        EXPECT_EQ(Shown(window, g), kInitialList.split(u',').mid(1 + 4 * g, 4));
    Pick(window, 1, 2, "Austria");
    EXPECT_EQ(Shown(window, 1), QStringList({"", "Croatia", "Austria", "Poland"}));
    Pick(window, 1, 1, "Poland");
    EXPECT_EQ(Shown(window, 1), QStringList({"", "Poland", "Austria", ""}));
    EXPECT_EQ(Shown(window, 0) + Shown(window, 2),
              kInitialList.split(u',').mid(1, 4) + kInitialList.split(u',').mid(9, 4));
    QStringList seen;
    AnswerMessage(&seen);
    QTest::mouseClick(NamedChild<QPushButton>(window, "Command1"), Qt::LeftButton);
    EXPECT_EQ(seen, QStringList{"Complete all please!"});
    EXPECT_EQ(vars.TeamList, kInitialList);
    Pick(window, 1, 0, "Germany");
    Pick(window, 1, 3, "Croatia");
    auto *box = NamedChild<QCheckBox>(window, "ChManOrd");
    EXPECT_FALSE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QTest::mouseClick(NamedChild<QPushButton>(window, "Command1"), Qt::LeftButton);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    const QString chosen = "Portugal,Turkey,Switzerland,Czech Republic,Germany,Poland,Austria,Croatia,"
                           "France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden";
    EXPECT_EQ(QString::number(vars.ManualOrderFlag) + vars.TeamList, "11," + chosen);

    FrmSelectMan reopened(vars);
    EXPECT_EQ(List(reopened, 1, 0)->currentText(), "Germany");
    NamedChild<QCheckBox>(reopened, "ChManOrd")->setChecked(false);
    QTest::mouseClick(NamedChild<QPushButton>(reopened, "Command1"), Qt::LeftButton);
    EXPECT_EQ(QString::number(vars.ManualOrderFlag) + vars.TeamList, "00," + chosen);

    vars.TeamList = kInitialList.chopped(6) + "Brazil"; // an unknown name in place of Sweden
    FrmSelectMan other(vars);
    EXPECT_EQ(List(other, 3, 3)->currentText(), "");
}

} // namespace
