// The program by keys alone, as a screen reader reads it.

#include "drive_util.h"

#include "app/Sequences.h"
#include "storage/ResultsFile.h"
#include "ui/Frm2Round.h"
#include "ui/FrmAbout.h"
#include "ui/FrmMain.h"
#include "ui/FrmMatch.h"
#include "ui/FrmSelectMan.h"

#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScreen>

#include <cmath>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

namespace {

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

using Keyboard = StrictMessages;

// Match 1 still open, no knockout result: the rest of the group stage is played.
TEST_F(Keyboard, PlaysAGroupAndAKnockoutMatchFromTheMainWindowToTheSavedFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"results.txt"_s);
    ModVars start;
    LoadFromFile(start, QStringLiteral(FIXTURO_TEST_DATA "/full_tournament.txt"));
    for (int r : {0, 24, 25, 26, 27, 28, 29, 30})
        for (int f : {Match::goals1, Match::goals2, Match::penalties1, Match::penalties2})
            start.MatchTable[r][f].clear();
    ASSERT_TRUE(SaveToFile(start, path));

    ModVars vars;
    FrmMain window(vars, path);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
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

    for (int i = 0; i < 3 && !Focused().startsWith(u"lblDailySched"_s); ++i)
        Press(Qt::Key_Tab);
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
        EXPECT_EQ(Spoken(*bracket, u"lblMatch_28"_s),
                  u"Match 25: %1 1 (4 on penalties), %2 1 (3 on penalties)"_s.arg(team1, team2));
        EXPECT_EQ(Spoken(*bracket, u"ImgFlagRound_3"_s), team1);
        Press(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(Focused(), u"bExit"_s);
        Press(Qt::Key_Return);
    });
    Press(Qt::Key_Return);
    ASSERT_TRUE(BackTo(window));

    // Alt+F opens the File menu: its commands in order, in groups.
    auto *file = NamedChild<QMenu>(window, u"MnuFile"_s);
    Press(Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([file] { return file && file->isVisible(); }, 1000));
    file->close();
    QStringList items;
    for (const QAction *action : file->actions())
        items << (action->isSeparator() ? u"-"_s : action->objectName() + u'=' + action->text());
    EXPECT_EQ(items.join(u' '), u"mnumanual=Manual Order MnuUpdate=Update Online - MnuPrint=Print… "
                                u"MnuExport=Export… MnuExportCsv=Export Results as CSV… - MnuExit=Exit"_s);
    QStringList seen;
    AnswerMessage(&seen);
    Press(Qt::Key_F1);
    EXPECT_TRUE(seen.value(0).startsWith(u"Insert the result or update online"_s));
    Press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> entries = saved.readAll().split('|');
    EXPECT_EQ(entries.value(0), "2,1");
    EXPECT_EQ(entries.value(24), "1,1,4,3");
}

// Each opens centred on the screen and closes on Escape; every text of the
// result dialog reads at 4.5:1 or better and keeps to one line.
TEST_F(Keyboard, SecondaryWindowsOpenCentredOnTheScreenAndCloseOnEscape)
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

TEST_F(Keyboard, ManualOrderWindowWorksWithTabArrowsSpaceAndReturn)
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

} // namespace
