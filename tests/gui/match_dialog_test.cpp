#include "gui_util.h"

#include "state/ModVars.h"
#include "ui/FrmMatch.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace fixturo;
using namespace fixturo::test;

namespace {

class MatchDialog : public ::testing::Test {
protected:
    void SetUp() override { InitFixtureData(m_vars); }

    // Sets the row's goals and penalties when given, then opens the dialog on it.
    void Open(int row, const QStringList &scores = {})
    {
        for (int i = 0; i < scores.size(); ++i)
            m_vars.MatchTable[row][static_cast<std::size_t>(Match::goals1 + i)] = scores[i];
        m_vars.SelectedMatch = static_cast<std::int16_t>(row);
        m_dlg = std::make_unique<FrmMatch>(m_vars);
        m_dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_dlg.get()));
    }

    template <typename T = QLabel> T *Get(const QString &name) const { return NamedChild<T>(*m_dlg, name); }
    QLineEdit *Box(int i) const { return Get<QLineEdit>(QStringLiteral("txtScore_%1").arg(i)); }
    bool Shown(QWidget *child) const { return child->isVisibleTo(m_dlg.get()); }
    int PenaltyBoxesShown() const { return int(Shown(Box(2))) + int(Shown(Box(3))); }
    bool Greyed(int i) const { return Box(i)->palette().color(QPalette::Base) != Qt::white; }
    QStringList Scores(int row) const
    {
        const MatchRow &r = m_vars.MatchTable[row];
        return {r[Match::goals1], r[Match::goals2], r[Match::penalties1], r[Match::penalties2]};
    }

    // Replaces a box's text the way a user does: select all, delete, type.
    static void Retype(QLineEdit *box, const QString &text)
    {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }

    void OkAccepted()
    {
        QTimer guard; // closes a refusal box, which would otherwise wait forever
        guard.callOnTimeout([this] {
            if (QWidget *box = QApplication::activeModalWidget(); box && box != m_dlg.get()) {
                ADD_FAILURE() << "OK was refused";
                box->close();
            }
        });
        guard.start(20);
        QTest::mouseClick(Get<QPushButton>("bOk"), Qt::LeftButton);
        EXPECT_EQ(m_dlg->result(), QDialog::Accepted);
        EXPECT_FALSE(m_dlg->isVisible());
    }

    // Clicks OK, expecting a plain box titled "Fixturo" with only OK while the
    // dialog stays open; returns the box's text.
    QString OkRefused()
    {
        QString text;
        ModalDriver driver(
            [&](QWidget *modal) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                EXPECT_TRUE(box && box->windowTitle() == "Fixturo" && box->icon() == QMessageBox::NoIcon &&
                            box->standardButtons() == QMessageBox::Ok);
                text = AcceptMessageBox(modal);
            },
            m_dlg.get());
        QTest::mouseClick(Get<QPushButton>("bOk"), Qt::LeftButton);
        EXPECT_TRUE(driver.Fired());
        EXPECT_TRUE(m_dlg->isVisible());
        return text;
    }

    ModVars m_vars;
    std::unique_ptr<FrmMatch> m_dlg;
};

} // namespace

TEST_F(MatchDialog, GroupResultIsStoredAsTypedAndLoadedPenaltiesKept)
{
    Open(5, {"1", "1", "4", "2"});
    EXPECT_EQ(PenaltyBoxesShown(), 0);
    EXPECT_FALSE(Greyed(0) || Greyed(1));
    Retype(Box(0), "10");
    Retype(Box(1), "03");
    OkAccepted();
    EXPECT_EQ(Scores(5), QStringList({"10", "03", "4", "2"}));
}

TEST_F(MatchDialog, HalfAScoreIsRefusedAndEmptyGoalBoxesClear)
{
    Open(30, {"1", "1", "3", "2"});
    const MatchRow before = m_vars.MatchTable[30];
    Retype(Box(1), "");
    EXPECT_EQ(OkRefused(), "Insert the Results");
    EXPECT_EQ(m_vars.MatchTable[30], before);
    EXPECT_EQ(Box(0)->text(), "1") << "the texts stay for correction";
    Retype(Box(0), "");
    OkAccepted();
    EXPECT_EQ(Scores(30), QStringList({"", "", "", ""}));
}

TEST_F(MatchDialog, KnockoutDrawByValueAsksForPenalties)
{
    Open(24); // placeholder teams until groups A and B are complete
    EXPECT_EQ(Get("lblTeam1")->text(), "Winner Grp A");
    EXPECT_TRUE(Get("ImgFlagRound_0")->pixmap().isNull());
    QTest::keyClicks(Box(0), "1");
    EXPECT_EQ(PenaltyBoxesShown(), 0);
    QTest::keyClicks(Box(1), "01");
    EXPECT_EQ(PenaltyBoxesShown(), 2);
    EXPECT_TRUE(Greyed(0) && Greyed(1));
    EXPECT_EQ(OkRefused(), "Insert the Results of Penalties");
    QTest::keyClicks(Box(2), "3");
    QTest::keyClicks(Box(3), "03");
    EXPECT_EQ(OkRefused(), "Insert the Results of Penalties");
    EXPECT_EQ(Scores(24), QStringList({"", "", "", ""}));
    Retype(Box(2), "4");
    Retype(Box(3), "3");
    OkAccepted();
    EXPECT_EQ(Scores(24), QStringList({"1", "01", "4", "3"}));
}

TEST_F(MatchDialog, PenaltiesAreDroppedOnceTheGoalsDiffer)
{
    Open(26, {"2", "1", "5", "4"}); // stored penalties of a won match
    EXPECT_EQ(PenaltyBoxesShown(), 0);
    EXPECT_EQ(Box(2)->text(), "");

    Open(25, {"1", "1", "5", "4"});
    EXPECT_EQ(PenaltyBoxesShown(), 2);
    EXPECT_EQ(Box(2)->text(), "5");
    Retype(Box(0), "2");
    EXPECT_EQ(PenaltyBoxesShown(), 0);
    EXPECT_FALSE(Greyed(0) || Greyed(1));
    OkAccepted();
    EXPECT_EQ(Scores(25), QStringList({"2", "1", "", ""}));
}

TEST_F(MatchDialog, KeysAndPastedTextAreHeldToDigits)
{
    Open(0);
    QTest::keyClicks(Box(0), "a-4 b7.");
    EXPECT_EQ(Box(0)->text(), "47");
    QTest::keyClick(Box(0), Qt::Key_Backspace);
    EXPECT_EQ(Box(0)->text(), "4");
    QTest::keyClick(Box(0), Qt::Key_Home);
    // Delete, carrying a text as on some platforms.
    QTest::sendKeyEvent(QTest::Click, Box(0), Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
    EXPECT_EQ(Box(0)->text(), "");
    QTest::keyClicks(Box(0), "123");
    EXPECT_EQ(Box(0)->text(), "12") << "two characters at most";
    QGuiApplication::clipboard()->setText("x7");
    QTest::keyClick(Box(1), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box(1)->text(), "") << "pasted text is held to digits too";
    QGuiApplication::clipboard()->setText("07");
    QTest::keyClick(Box(1), Qt::Key_V, Qt::ControlModifier);
    OkAccepted();
    EXPECT_EQ(Scores(0), QStringList({"12", "07", "", ""}));
}

TEST_F(MatchDialog, CloseBoxLeavesTheRowUnchanged)
{
    Open(29, {"1", "1", "4", "3"});
    const MatchRow before = m_vars.MatchTable[29];
    Retype(Box(0), "7");
    m_dlg->close();
    EXPECT_EQ(m_dlg->result(), QDialog::Rejected);
    EXPECT_EQ(m_vars.MatchTable[29], before);
}

TEST_F(MatchDialog, ShowsTheRowAndItsStadiumWithFocusOnOk)
{
    Open(0);
    EXPECT_EQ(m_dlg->windowTitle(), "Match #1  Group A");
    EXPECT_EQ(Get("lblMyMatchNum")->text(), "Match #1");
    EXPECT_EQ(Get("lblMatchInfo")->text(), "18:00  Saturday 7 June 2008  Basel  St. Jakob-Park");
    EXPECT_EQ(Get("lblTeam1")->text(), "Switzerland");
    EXPECT_EQ(Get("lblTeam2")->text(), "Czech Republic");
    EXPECT_FALSE(Get("ImgFlagRound_1")->pixmap().isNull());
    EXPECT_EQ(m_dlg->focusWidget(), Get<QPushButton>("bOk"));
    EXPECT_TRUE(Shown(Get("JakobPark")));
    EXPECT_FALSE(Get("JakobPark")->pixmap().isNull());
    EXPECT_FALSE(Shown(Get("ErnstHappel")));
    for (const int row : {2, 11}) {
        Open(row);
        EXPECT_FALSE(Shown(Get("JakobPark"))) << row;
        EXPECT_EQ(Shown(Get("ErnstHappel")), row == 11) << row;
    }
}
