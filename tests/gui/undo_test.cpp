// Edit > Undo / Redo / New Championship through the real main window: every
// step undone and redone gives back the tables and the file bytes it had.

#include "gui_util.h"

#include "../net/test_server.h"

#include "storage/ResultsFile.h"
#include "ui/Frm2Round.h"
#include "ui/FrmMain.h"
#include "ui/FrmMatch.h"
#include "ui/FrmSelectMan.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

namespace {

// Runs `then` on the next modal window of type T once it shows, from inside
// the exec() that the caller then enters; no window is a failure, not a hang.
template <typename T> void OnNext(std::function<void(T *)> then)
{
    QTimer::singleShot(0, [then] {
        T *window = nullptr;
        if (!QTest::qWaitFor(
                [&] { return (window = qobject_cast<T *>(QApplication::activeModalWidget())); })) {
            ADD_FAILURE() << "no " << T::staticMetaObject.className();
            return;
        }
        then(window);
        if (window->isVisible()) {
            ADD_FAILURE() << T::staticMetaObject.className() << " stayed open";
            window->close();
        }
    });
}

void TypeResult(const QString &goals1, const QString &goals2)
{
    OnNext<FrmMatch>([=](FrmMatch *dlg) {
        for (const auto &[i, text] : {std::pair{0, goals1}, {1, goals2}}) {
            auto *box = dlg->findChild<QLineEdit *>(u"txtScore_%1"_s.arg(i));
            box->clear();
            QTest::keyClicks(box, text);
        }
        QTest::mouseClick(dlg->findChild<QPushButton *>(u"bOk"_s), Qt::LeftButton);
    });
}

class Undo : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetMessageFallback([](const QMessageBox &box) {
            ADD_FAILURE() << "unexpected message: " << box.text().toStdString();
            return QMessageBox::Ok;
        });
        // Every group match 2-1, written by hand: LF and a second line.
        ASSERT_TRUE(WriteBytes(m_path, QByteArray("2,1|").repeated(kGroupMatchCount) +
                                           QByteArray(",|").repeated(7) + kInitialTeamList + "\nby hand\n"));
        m_window = std::make_unique<FrmMain>(m_vars, m_path);
        m_window->show();
        m_states << Now();
    }

    // Tables, schedule, knockout names and the file's bytes.
    QStringList Now() const
    {
        QStringList texts;
        for (const auto *label :
             m_window->findChildren<QLabel *>(QRegularExpression(u"^lbl(Team|Table|DailySched)_"_s)))
            texts << label->objectName() + u'=' + label->text();
        for (int r = kGroupMatchCount; r < kMatchCount; ++r)
            texts << m_vars.MatchTable[r][Match::team1] << m_vars.MatchTable[r][Match::team2];
        return texts << QString::fromLatin1(FileBytes(m_path));
    }

    QAction *Action(const char *name) const
    {
        return NamedChild<QAction>(*m_window, QString::fromLatin1(name));
    }

    // Takes each step back to the first state, then forward again.
    void UndoAndRedoAll()
    {
        for (qsizetype i = m_states.size() - 1; i > 0; --i) {
            EXPECT_NE(m_states[i], m_states[i - 1]) << "step " << i << " changed nothing";
            Action("MnuUndo")->trigger();
            EXPECT_EQ(Now(), m_states[i - 1]) << "after undoing step " << i;
        }
        EXPECT_FALSE(Action("MnuUndo")->isEnabled());
        for (qsizetype i = 1; i < m_states.size(); ++i) {
            Action("MnuRedo")->trigger();
            EXPECT_EQ(Now(), m_states[i]) << "after redoing step " << i;
        }
        EXPECT_FALSE(Action("MnuRedo")->isEnabled());
    }

    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath(u"results.txt"_s);
    ModVars m_vars;
    std::unique_ptr<FrmMain> m_window;
    QList<QStringList> m_states;
};

} // namespace

TEST_F(Undo, ResultsFromBothWindowsAndAManualOrderAreUndoneAndRedoneStepByStep)
{
    TypeResult(u"0"_s, u"3"_s);
    QTest::mouseClick(m_window->findChild<QLabel *>(u"lblDailySched_0"_s), Qt::LeftButton);
    m_states << Now();
    EXPECT_EQ(Action("MnuUndo")->text(), u"Undo Result of Match #1"_s);

    TypeResult(u"2"_s, u"1"_s); // unchanged: no step
    QTest::mouseClick(m_window->findChild<QLabel *>(u"lblDailySched_1"_s), Qt::LeftButton);
    EXPECT_EQ(Action("MnuUndo")->text(), u"Undo Result of Match #1"_s);

    OnNext<Frm2Round>([](Frm2Round *bracket) {
        TypeResult(u"2"_s, u"1"_s);
        QTest::mouseClick(bracket->findChild<QLabel *>(u"lblMatch_29"_s), Qt::LeftButton);
        bracket->close();
    });
    QTest::mouseClick(m_window->findChild<QPushButton *>(u"CmdSecond"_s), Qt::LeftButton);
    m_states << Now();
    EXPECT_EQ(Action("MnuUndo")->text(), u"Undo Result of Match #26"_s);

    OnNext<FrmSelectMan>([](FrmSelectMan *dlg) {
        dlg->findChild<QCheckBox *>(u"ChManOrd"_s)->setChecked(true);
        QTest::mouseClick(dlg->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    });
    Action("mnumanual")->trigger();
    m_states << Now();
    EXPECT_EQ(Action("MnuUndo")->text(), u"Undo Manual Order"_s);
    ASSERT_EQ(m_states.size(), 4) << "every step changed something";
    UndoAndRedoAll();
}

TEST_F(Undo, AnOnlineUpdateUndoneRestoresTheLocalFileByteForByte)
{
    UnsetProxies();
    QTemporaryDir web;
    ASSERT_TRUE(QDir(web.path()).mkpath(u"files"_s));
    ASSERT_TRUE(WriteBytes(web.filePath(u"files/results.txt"_s), "1,0|1,1|\r\n"));
    TestServer server;
    ASSERT_TRUE(server.StartStatic(web.path()));
    m_window->setUpdateSettings({.source = server.Url(u"/files/results.txt"_s)});
    QStringList seen;
    AnswerMessage(&seen);
    Action("MnuUpdate")->trigger();
    ASSERT_EQ(seen, QStringList{u"Update was made successfully!"_s});
    m_states << Now();
    EXPECT_EQ(Action("MnuUndo")->text(), u"Undo Online Update"_s);
    UndoAndRedoAll();
}

TEST_F(Undo, ANewChampionshipClearsEverythingAfterAYesAndIsUndoneWhole)
{
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        AnswerMessage(nullptr, answer);
        Action("MnuNewChampionship")->trigger();
    }
    EXPECT_EQ(FileBytes(m_path), QByteArray(",|").repeated(kMatchCount) + kInitialTeamList + "\r\n");
    m_states << Now();
    EXPECT_EQ(Action("MnuUndo")->text(), u"Undo New Championship"_s);
    UndoAndRedoAll();
}
