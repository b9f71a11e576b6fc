#include "gui_util.h"

#include "state/ModVars.h"
#include "ui/FrmMatch.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using namespace fixturo;
using fixturo::test::AcceptMessageBox;
using fixturo::test::ModalDriver;

namespace {

QLineEdit *Box(QWidget &dlg, int index)
{
    auto *box = dlg.findChild<QLineEdit *>(QStringLiteral("txtScore_%1").arg(index));
    EXPECT_NE(box, nullptr) << "txtScore_" << index;
    return box;
}

QPushButton *OkButton(QWidget &dlg)
{
    auto *ok = dlg.findChild<QPushButton *>(QStringLiteral("bOk"));
    EXPECT_NE(ok, nullptr);
    return ok;
}

QLabel *Label(QWidget &dlg, const char *name)
{
    auto *label = dlg.findChild<QLabel *>(QLatin1StringView(name));
    EXPECT_NE(label, nullptr) << name;
    return label;
}

// Replaces a box's text the way a user does: select all, delete, type.
void Retype(QLineEdit *box, const QString &text)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

bool Shown(QWidget &dlg, QWidget *child)
{
    return child->isVisibleTo(&dlg);
}

bool Greyed(QLineEdit *box)
{
    return box->palette().color(QPalette::Base) != QColor(Qt::white);
}

class MatchDialog : public ::testing::Test {
protected:
    void SetUp() override { InitFixtureData(m_vars); }

    std::unique_ptr<FrmMatch> Open(int row)
    {
        m_vars.SelectedMatch = static_cast<std::int16_t>(row);
        auto dlg = std::make_unique<FrmMatch>(m_vars);
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }

    void SetScores(int row, const QString &g1, const QString &g2, const QString &p1 = {},
                   const QString &p2 = {})
    {
        m_vars.MatchTable[row][Match::goals1] = g1;
        m_vars.MatchTable[row][Match::goals2] = g2;
        m_vars.MatchTable[row][Match::penalties1] = p1;
        m_vars.MatchTable[row][Match::penalties2] = p2;
    }

    void ExpectScores(int row, const QString &g1, const QString &g2, const QString &p1, const QString &p2)
    {
        const MatchRow &r = m_vars.MatchTable[row];
        EXPECT_EQ(r[Match::goals1], g1);
        EXPECT_EQ(r[Match::goals2], g2);
        EXPECT_EQ(r[Match::penalties1], p1);
        EXPECT_EQ(r[Match::penalties2], p2);
    }

    // Clicks OK and expects the dialog to store and close.
    static void ClickOkAccepted(FrmMatch &dlg)
    {
        QTest::mouseClick(OkButton(dlg), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_FALSE(dlg.isVisible());
    }

    // Clicks OK and expects a refusal: returns the message, which must be a
    // plain box with only OK; the dialog stays open.
    static QString ClickOkRefused(FrmMatch &dlg)
    {
        QString text;
        ModalDriver driver(
            [&](QWidget *modal) {
                if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
                    EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
                    EXPECT_EQ(box->windowTitle(), "Fixturo");
                }
                text = AcceptMessageBox(modal);
            },
            &dlg);
        QTest::mouseClick(OkButton(dlg), Qt::LeftButton);
        EXPECT_TRUE(driver.Fired()) << "OK raised no message";
        EXPECT_TRUE(dlg.isVisible());
        return text;
    }

    ModVars m_vars;
};

using GroupResult = MatchDialog;
using KnockoutResult = MatchDialog;
using ScoreKeys = MatchDialog;
using DialogLook = MatchDialog;

} // namespace

TEST_F(GroupResult, StoresTheTypedTextsAsTheyAre)
{
    auto dlg = Open(4);
    QTest::keyClicks(Box(*dlg, 0), "10");
    QTest::keyClicks(Box(*dlg, 1), "03");
    ClickOkAccepted(*dlg);
    ExpectScores(4, "10", "03", "", "");
}

TEST_F(GroupResult, HalfAScoreIsRefusedAndNothingStored)
{
    SetScores(4, "1", "1");
    auto dlg = Open(4);
    Retype(Box(*dlg, 0), "2");
    Retype(Box(*dlg, 1), "");
    EXPECT_EQ(ClickOkRefused(*dlg), "Insert the Results");
    ExpectScores(4, "1", "1", "", "");
    EXPECT_EQ(Box(*dlg, 0)->text(), "2");

    // Both emptied clears the result.
    Retype(Box(*dlg, 0), "");
    ClickOkAccepted(*dlg);
    ExpectScores(4, "", "", "", "");
}

TEST_F(GroupResult, NeverShowsPenaltiesAndKeepsLoadedOnes)
{
    SetScores(5, "1", "1", "4", "2");
    auto dlg = Open(5);
    EXPECT_FALSE(Shown(*dlg, Box(*dlg, 2)));
    EXPECT_FALSE(Shown(*dlg, Box(*dlg, 3)));
    EXPECT_FALSE(Greyed(Box(*dlg, 0)));
    Retype(Box(*dlg, 1), "0");
    ClickOkAccepted(*dlg);
    ExpectScores(5, "1", "0", "4", "2");
}

TEST_F(KnockoutResult, DrawAsksForPenaltiesAndStoresThem)
{
    auto dlg = Open(24);
    EXPECT_FALSE(Shown(*dlg, Box(*dlg, 2)));
    QTest::keyClicks(Box(*dlg, 0), "1");
    EXPECT_FALSE(Shown(*dlg, Box(*dlg, 2)));
    QTest::keyClicks(Box(*dlg, 1), "1");
    EXPECT_TRUE(Shown(*dlg, Box(*dlg, 2)));
    EXPECT_TRUE(Shown(*dlg, Box(*dlg, 3)));
    EXPECT_TRUE(Greyed(Box(*dlg, 0)));
    EXPECT_TRUE(Greyed(Box(*dlg, 1)));
    QTest::keyClicks(Box(*dlg, 2), "4");
    QTest::keyClicks(Box(*dlg, 3), "3");
    ClickOkAccepted(*dlg);
    ExpectScores(24, "1", "1", "4", "3");
}

TEST_F(KnockoutResult, PenaltiesAreDroppedOnceTheGoalsDiffer)
{
    SetScores(25, "1", "1", "5", "4");
    auto dlg = Open(25);
    EXPECT_TRUE(Shown(*dlg, Box(*dlg, 2)));
    EXPECT_EQ(Box(*dlg, 2)->text(), "5");
    EXPECT_EQ(Box(*dlg, 3)->text(), "4");

    Retype(Box(*dlg, 0), "2");
    EXPECT_FALSE(Shown(*dlg, Box(*dlg, 2)));
    EXPECT_FALSE(Shown(*dlg, Box(*dlg, 3)));
    EXPECT_EQ(Box(*dlg, 2)->text(), "");
    EXPECT_EQ(Box(*dlg, 3)->text(), "");
    EXPECT_FALSE(Greyed(Box(*dlg, 0)));
    EXPECT_FALSE(Greyed(Box(*dlg, 1)));

    // Back to a draw: the penalties must be typed again.
    Retype(Box(*dlg, 0), "1");
    EXPECT_TRUE(Shown(*dlg, Box(*dlg, 2)));
    EXPECT_EQ(Box(*dlg, 2)->text(), "");
    Retype(Box(*dlg, 0), "2");
    ClickOkAccepted(*dlg);
    ExpectScores(25, "2", "1", "", "");
}

TEST_F(KnockoutResult, StoredPenaltiesOfAWonMatchAreNotShown)
{
    SetScores(26, "2", "1", "5", "4");
    auto dlg = Open(26);
    EXPECT_FALSE(Shown(*dlg, Box(*dlg, 2)));
    EXPECT_EQ(Box(*dlg, 2)->text(), "");
    ClickOkAccepted(*dlg);
    ExpectScores(26, "2", "1", "", "");
}

TEST_F(KnockoutResult, LevelByValueIsADraw)
{
    auto dlg = Open(27);
    QTest::keyClicks(Box(*dlg, 0), "1");
    QTest::keyClicks(Box(*dlg, 1), "01");
    EXPECT_TRUE(Shown(*dlg, Box(*dlg, 2)));
    EXPECT_EQ(ClickOkRefused(*dlg), "Insert the Results of Penalties");
    QTest::keyClicks(Box(*dlg, 2), "5");
    QTest::keyClicks(Box(*dlg, 3), "4");
    ClickOkAccepted(*dlg);
    ExpectScores(27, "1", "01", "5", "4");
}

TEST_F(KnockoutResult, IncompleteEntriesAreRefusedWithTheirMessage)
{
    SetScores(28, "3", "0");
    const MatchRow before = m_vars.MatchTable[28];
    auto dlg = Open(28);

    Retype(Box(*dlg, 1), "");
    EXPECT_EQ(ClickOkRefused(*dlg), "Insert the Results");

    QTest::keyClicks(Box(*dlg, 1), "3");
    EXPECT_EQ(ClickOkRefused(*dlg), "Insert the Results of Penalties");

    QTest::keyClicks(Box(*dlg, 2), "4");
    EXPECT_EQ(ClickOkRefused(*dlg), "Insert the Results");

    QTest::keyClicks(Box(*dlg, 3), "4");
    EXPECT_EQ(ClickOkRefused(*dlg), "Insert the Results of Penalties");

    Retype(Box(*dlg, 3), "04");
    EXPECT_EQ(ClickOkRefused(*dlg), "Insert the Results of Penalties");

    // Every refusal left the row alone and the texts in the boxes.
    EXPECT_EQ(m_vars.MatchTable[28], before);
    EXPECT_EQ(Box(*dlg, 0)->text(), "3");
    EXPECT_EQ(Box(*dlg, 1)->text(), "3");
    EXPECT_EQ(Box(*dlg, 2)->text(), "4");
    EXPECT_EQ(Box(*dlg, 3)->text(), "04");

    Retype(Box(*dlg, 3), "2");
    ClickOkAccepted(*dlg);
    ExpectScores(28, "3", "3", "4", "2");
}

TEST_F(KnockoutResult, BothGoalBoxesEmptiedClearsTheResult)
{
    SetScores(30, "1", "1", "3", "2");
    auto dlg = Open(30);
    Retype(Box(*dlg, 0), "");
    Retype(Box(*dlg, 1), "");
    ClickOkAccepted(*dlg);
    ExpectScores(30, "", "", "", "");
}

TEST_F(KnockoutResult, PlaceholderTeamsCanBePlayed)
{
    auto dlg = Open(24);
    EXPECT_EQ(Label(*dlg, "lblTeam1")->text(), "Winner Grp A");
    EXPECT_EQ(Label(*dlg, "lblTeam2")->text(), "Runner-up Grp B");
    EXPECT_TRUE(Label(*dlg, "ImgFlagRound_0")->pixmap().isNull());
    EXPECT_TRUE(Label(*dlg, "ImgFlagRound_1")->pixmap().isNull());
    QTest::keyClicks(Box(*dlg, 0), "2");
    QTest::keyClicks(Box(*dlg, 1), "0");
    ClickOkAccepted(*dlg);
    ExpectScores(24, "2", "0", "", "");
}

TEST_F(KnockoutResult, CloseBoxDiscardsTheEdit)
{
    SetScores(29, "1", "1", "4", "3");
    const MatchRow before = m_vars.MatchTable[29];
    auto dlg = Open(29);
    Retype(Box(*dlg, 0), "7");
    Retype(Box(*dlg, 1), "");
    dlg->close();
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(m_vars.MatchTable[29], before);

    auto again = Open(29);
    Retype(Box(*again, 0), "2");
    QTest::keyClick(again.get(), Qt::Key_Escape);
    EXPECT_FALSE(again->isVisible());
    EXPECT_EQ(m_vars.MatchTable[29], before);
}

TEST_F(KnockoutResult, WorksWhenOpenedModally)
{
    m_vars.SelectedMatch = 24;
    FrmMatch dlg(m_vars);
    ModalDriver driver(
        [&](QWidget *modal) {
            ASSERT_EQ(modal, &dlg);
            QTest::keyClicks(Box(dlg, 0), "2");
            EXPECT_EQ(ClickOkRefused(dlg), "Insert the Results");
            QTest::keyClicks(Box(dlg, 1), "1");
            QTest::mouseClick(OkButton(dlg), Qt::LeftButton);
        },
        nullptr);
    const int result = dlg.exec();
    EXPECT_TRUE(driver.Fired());
    EXPECT_EQ(result, QDialog::Accepted);
    ExpectScores(24, "2", "1", "", "");
}

TEST_F(ScoreKeys, OnlyDigitsAndEditingKeysReachTheBoxes)
{
    auto dlg = Open(0);
    QLineEdit *box = Box(*dlg, 0);
    QTest::keyClicks(box, "a-+ .x");
    EXPECT_EQ(box->text(), "");
    QTest::keyClicks(box, "4b7");
    EXPECT_EQ(box->text(), "47");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "4");
    QTest::keyClicks(box, "12");
    EXPECT_EQ(box->text(), "41") << "a box holds two characters";
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text(), "1");
    QTest::keyClicks(Box(*dlg, 1), "Z9");
    EXPECT_EQ(Box(*dlg, 1)->text(), "9");
}

TEST_F(ScoreKeys, PastedTextIsStoredAsItIs)
{
    auto dlg = Open(0);
    QGuiApplication::clipboard()->setText(QStringLiteral("x7"));
    QTest::keyClick(Box(*dlg, 0), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box(*dlg, 0)->text(), "x7");
    QTest::keyClicks(Box(*dlg, 1), "1");
    ClickOkAccepted(*dlg);
    ExpectScores(0, "x7", "1", "", "");
}

TEST_F(DialogLook, TitleInfoAndNumberComeFromTheRow)
{
    auto dlg = Open(0);
    EXPECT_EQ(dlg->windowTitle(), "Match #1  Group A");
    EXPECT_EQ(Label(*dlg, "lblMyMatchNum")->text(), "Match #1");
    EXPECT_EQ(Label(*dlg, "lblMatchInfo")->text(), "18:00  Saturday 7 June 2008  Basel  St. Jakob-Park");
    EXPECT_EQ(Label(*dlg, "lblTeam1")->text(), "Switzerland");
    EXPECT_EQ(Label(*dlg, "lblTeam2")->text(), "Czech Republic");
    EXPECT_EQ(Label(*dlg, "lblDrawHelp")->text(), "If match ends in penalties, enter draw score first");
    EXPECT_FALSE(Shown(*dlg, Label(*dlg, "lblPenalties")));

    auto quarter = Open(24);
    EXPECT_EQ(quarter->windowTitle(), "Match #25  QF");
    EXPECT_EQ(Label(*quarter, "lblMyMatchNum")->text(), "Match #25");
}

TEST_F(DialogLook, StadiumPictureOnlyForItsExactName)
{
    struct Case {
        int row;
        bool jakobPark, ernstHappel;
    };
    for (const Case &c : {Case{0, true, false}, Case{2, false, false}, Case{11, false, true},
                          Case{4, false, false}, Case{30, false, true}}) {
        auto dlg = Open(c.row);
        EXPECT_EQ(Shown(*dlg, Label(*dlg, "JakobPark")), c.jakobPark) << "row " << c.row;
        EXPECT_EQ(Shown(*dlg, Label(*dlg, "ErnstHappel")), c.ernstHappel) << "row " << c.row;
    }
}

TEST_F(DialogLook, OpensCentredWithFocusOnOk)
{
    QWidget owner;
    owner.setGeometry(0, 0, 120, 120);
    owner.show();
    m_vars.SelectedMatch = 24;
    FrmMatch dlg(m_vars, &owner);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));

    EXPECT_EQ(dlg.focusWidget(), OkButton(dlg));
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
    const QPoint screenCentre = dlg.screen()->availableGeometry().center();
    EXPECT_LE((dlg.frameGeometry().center() - screenCentre).manhattanLength(), 2);

    // Tab walks the shown boxes from the last to the first, then back to OK.
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    ASSERT_EQ(QApplication::focusWidget(), OkButton(dlg));
    const auto tabOrder = [] {
        std::vector<QString> order;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.push_back(QApplication::focusWidget()->objectName());
        }
        return order;
    };
    EXPECT_EQ(tabOrder(),
              (std::vector<QString>{"txtScore_1", "txtScore_0", "bOk", "txtScore_1", "txtScore_0"}));
    Box(dlg, 0)->setText(QStringLiteral("2"));
    Box(dlg, 1)->setText(QStringLiteral("2"));
    OkButton(dlg)->setFocus();
    EXPECT_EQ(tabOrder(),
              (std::vector<QString>{"txtScore_3", "txtScore_2", "txtScore_1", "txtScore_0", "bOk"}));
}
