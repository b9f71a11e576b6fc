#include "gui_util.h"

#include "ui/FrmMatch.h"

#include <QLineEdit>
#include <QPushButton>

using namespace fixturo;
using namespace fixturo::test;

namespace {

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
    int PenaltyBoxesShown() const
    {
        return Box(2)->isVisibleTo(m_dlg.get()) + Box(3)->isVisibleTo(m_dlg.get());
    }
    bool Greyed(int i) const { return Box(i)->palette().color(QPalette::Base) != Qt::white; }
    QStringList Scores(int row) const
    {
        const MatchRow &r = m_vars.MatchTable[row];
        return {r[Match::goals1], r[Match::goals2], r[Match::penalties1], r[Match::penalties2]};
    }
    static void Retype(QLineEdit *box, const QString &text)
    {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    // Presses OK; a refusal's box is expected only when asked for, and its text returned.
    QString Ok(bool refused = false)
    {
        QStringList seen;
        if (refused)
            AnswerNextMessage([&](const QMessageBox &box) {
                EXPECT_TRUE(box.windowTitle() == "Fixturo" && box.icon() == QMessageBox::NoIcon);
                seen << box.text();
                return QMessageBox::Ok;
            });
        QTest::mouseClick(NamedChild<QPushButton>(*m_dlg, "bOk"), Qt::LeftButton);
        EXPECT_EQ(m_dlg->isVisible(), refused);
        EXPECT_EQ(m_dlg->result(), refused ? QDialog::Rejected : QDialog::Accepted);
        return seen.value(0);
    }

    ModVars m_vars = FreshState();
    QWidget m_parent;
    std::unique_ptr<FrmMatch> m_dlg;
};

} // namespace

TEST_F(MatchDialog, ShowsTheMatchWithItsStadiumAndFocusOnOk)
{
    Open(0);
    EXPECT_EQ(m_dlg->windowTitle(), "Match #1  Group A");
    EXPECT_EQ(NamedChild(*m_dlg, "lblMatchInfo")->text() + "|" + NamedChild(*m_dlg, "lblTeam1")->text() +
                  "|" + NamedChild(*m_dlg, "lblTeam2")->text(),
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
    EXPECT_EQ(PenaltyBoxesShown(), 0);
    Retype(Box(0), "10");
    Retype(Box(1), "03");
    EXPECT_EQ(Ok(), "");
    EXPECT_EQ(Scores(5), QStringList({"10", "03", "4", "2"})) << "loaded penalties are kept";

    Open(30, {"1", "1", "3", "2"});
    Retype(Box(1), "");
    EXPECT_EQ(Ok(true), "Insert the Results");
    EXPECT_EQ(Scores(30), QStringList({"1", "1", "3", "2"}));
    Retype(Box(0), "");
    EXPECT_EQ(Ok(), "");
    EXPECT_EQ(Scores(30), QStringList({"", "", "", ""}));
}

TEST_F(MatchDialog, KnockoutDrawByValueAsksForPenalties)
{
    Open(24); // placeholder teams until groups A and B are complete
    EXPECT_EQ(NamedChild(*m_dlg, "lblTeam1")->text(), "Winner Grp A");
    EXPECT_TRUE(NamedChild(*m_dlg, "ImgFlagRound_0")->pixmap().isNull());
    QTest::keyClicks(Box(0), "1");
    QTest::keyClicks(Box(1), "01");
    EXPECT_EQ(PenaltyBoxesShown(), 2);
    EXPECT_TRUE(Greyed(0) && Greyed(1));
    EXPECT_EQ(Ok(true), "Insert the Results of Penalties");
    QTest::keyClicks(Box(2), "4");
    QTest::keyClicks(Box(3), "03");
    EXPECT_EQ(Ok(), "");
    EXPECT_EQ(Scores(24), QStringList({"1", "01", "4", "03"}));

    Open(25, {"1", "1", "5", "4"}); // goals that differ drop the penalties
    EXPECT_EQ(Box(2)->text(), "5");
    Retype(Box(0), "2");
    EXPECT_EQ(PenaltyBoxesShown(), 0);
    EXPECT_FALSE(Greyed(0) || Greyed(1));
    EXPECT_EQ(Ok(), "");
    EXPECT_EQ(Scores(25), QStringList({"2", "1", "", ""}));
}

TEST_F(MatchDialog, KeysAndPastedTextAreHeldToDigitsAndTheCloseBoxChangesNothing)
{
    Open(0);
    QTest::keyClicks(Box(0), "a-4 b7.");
    EXPECT_EQ(Box(0)->text(), "47");
    QTest::keyClick(Box(0), Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, Box(0), Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
    QTest::keyClicks(Box(0), "123");
    EXPECT_EQ(Box(0)->text(), "17") << "Delete works; two characters at most";
    QTest::keyClicks(Box(1), "07");
    EXPECT_EQ(Ok(), "");
    EXPECT_EQ(Scores(0), QStringList({"17", "07", "", ""}));

    Open(29, {"1", "1", "4", "3"});
    Retype(Box(0), "7");
    m_dlg->close();
    EXPECT_EQ(m_dlg->result(), QDialog::Rejected);
    EXPECT_EQ(Scores(29), QStringList({"1", "1", "4", "3"}));
}
