// Edit > Undo / Redo / New Championship through the real main window: every
// step undone and redone gives back the tables and the file bytes it had.

#include "drive_util.h"

#include "../net/test_server.h"

#include "ui/Frm2Round.h"
#include "ui/FrmMain.h"
#include "ui/FrmMatch.h"
#include "ui/FrmSelectMan.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

namespace {

void TypeResult(const QString &goals1, const QString &goals2)
{
    OnNext<FrmMatch>([=](FrmMatch *dlg) {
        dlg->findChild<QLineEdit *>(u"txtScore_0"_s)->setText(goals1);
        dlg->findChild<QLineEdit *>(u"txtScore_1"_s)->setText(goals2);
        QTest::mouseClick(dlg->findChild<QPushButton *>(u"bOk"_s), Qt::LeftButton);
    });
}

using Undo = StrictMessages;

// File > Update Online, results from the schedule and the bracket, a manual
// order, a new championship: each one step, undone to the start with Ctrl+Z
// and redone with Ctrl+Y and Ctrl+Shift+Z, each time the same tables and the
// same file bytes as when that state was first reached.
TEST_F(Undo, EveryStepUndoneAndRedoneGivesBackItsTablesAndFileBytes)
{
    UnsetProxies();
    QTemporaryDir dir, web;
    ASSERT_TRUE(
        WriteBytes(web.filePath(u"results.txt"_s),
                   "1,0|1,1|" + QByteArray(",|").repeated(kMatchCount - 2) + kInitialTeamList + "\r\n"));
    TestServer server;
    ASSERT_TRUE(server.StartStatic(web.path()));
    // Every group match 2-1, in a file written by hand: a line ended by LF.
    const QString path = dir.filePath(u"results.txt"_s);
    ASSERT_TRUE(WriteBytes(path, QByteArray("2,1|").repeated(kGroupMatchCount) +
                                     QByteArray(",|").repeated(7) + kInitialTeamList + "\n"));
    ModVars vars;
    FrmMain window(vars, path);
    window.setUpdateSettings({.source = server.Url(u"/results.txt"_s)});
    window.show();
    const auto action = [&](const QString &name) { return NamedChild<QAction>(window, name); };
    const auto click = [&](const QString &name) {
        QTest::mouseClick(window.findChild<QWidget *>(name), Qt::LeftButton);
    };

    EXPECT_EQ(window.menuBar()->actions().value(1)->menu()->objectName(), u"MnuEdit"_s) << "after File";

    // Tables, schedule, knockout names and the file's bytes.
    const auto now = [&] {
        QStringList texts;
        for (const auto *label :
             window.findChildren<QLabel *>(QRegularExpression(u"^lbl(Team|Table|DailySched)_"_s)))
            texts << label->text();
        for (int r = kGroupMatchCount; r < kMatchCount; ++r)
            texts << vars.MatchTable[r][Match::team1] << vars.MatchTable[r][Match::team2];
        return texts << QString::fromLatin1(FileBytes(path));
    };
    QList<QStringList> states{now()};
    const auto stepped = [&](const QString &what) {
        states << now();
        EXPECT_EQ(action(u"MnuUndo"_s)->text(), u"Undo "_s + what);
    };

    AnswerMessage(); // "Update was made successfully!"
    action(u"MnuUpdate"_s)->trigger();
    stepped(u"Online Update"_s);

    TypeResult(u"0"_s, u"3"_s);
    click(u"lblDailySched_0"_s);
    stepped(u"Result of Match #1"_s);
    TypeResult(u"1"_s, u"1"_s); // the row stays as it was: no step
    click(u"lblDailySched_1"_s);
    EXPECT_EQ(action(u"MnuUndo"_s)->text(), u"Undo Result of Match #1"_s);

    OnNext<Frm2Round>([](Frm2Round *bracket) {
        TypeResult(u"2"_s, u"1"_s);
        QTest::mouseClick(bracket->findChild<QLabel *>(u"lblMatch_29"_s), Qt::LeftButton);
        bracket->close();
    });
    click(u"CmdSecond"_s);
    stepped(u"Result of Match #26"_s);

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
    EXPECT_EQ(FileBytes(path), QByteArray(",|").repeated(kMatchCount) + kInitialTeamList + "\r\n");
    stepped(u"New Championship"_s);

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (qsizetype i = states.size() - 1; i > 0; --i) {
        EXPECT_NE(states[i], states[i - 1]) << "step " << i << " changed nothing";
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(now(), states[i - 1]) << "after undoing step " << i;
    }
    EXPECT_FALSE(action(u"MnuUndo"_s)->isEnabled());
    for (qsizetype i = 1; i < states.size(); ++i) {
        QTest::keyClick(&window, i % 2 ? Qt::Key_Y : Qt::Key_Z,
                        i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(now(), states[i]) << "after redoing step " << i;
    }
    EXPECT_FALSE(action(u"MnuRedo"_s)->isEnabled());
}

} // namespace
