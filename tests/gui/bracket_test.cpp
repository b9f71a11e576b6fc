#include "gui_util.h"

#include "ui/Frm2Round.h"
#include "ui/Pictures.h"

#include <QLineEdit>
#include <QPushButton>

using namespace fixturo;
using namespace fixturo::test;

namespace {

// Every group match 0-0 and the manual order on the fixture order: the quarter-finals are
// Portugal - Croatia, Austria - Turkey, France - Russia, Greece - Italy.
class BracketWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    QString Slot(int i) const { return NamedChild(m_window, QStringLiteral("lblTeam_%1").arg(i))->text(); }
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
        bool taken = false;
        OnModal(
            [&](QWidget *dialog) {
                for (int i = 0; i < scores.size(); ++i) {
                    auto *box = NamedChild<QLineEdit>(*dialog, QStringLiteral("txtScore_%1").arg(i));
                    box->selectAll();
                    QTest::keyClick(box, Qt::Key_Backspace);
                    QTest::keyClicks(box, scores[i]);
                }
                QTest::mouseClick(NamedChild<QPushButton>(*dialog, "bOk"), Qt::LeftButton);
                taken = !dialog->isVisible();
            },
            &m_window);
        ClickOn(QStringLiteral("lblMatch_%1").arg(area));
        EXPECT_TRUE(taken) << "lblMatch_" << area;
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

} // namespace

TEST_F(BracketWindow, KnockoutStagePlayedThroughTheResultDialog)
{
    const QImage portugal = FlagPicture("Portugal").toImage();
    for (int i = 0; i <= 14; ++i)
        EXPECT_EQ(Flag(i).isNull(), i < 7) << "only the placeholders lack a flag: " << i;
    Play(28, {"2", "1"}); // #25 won outright
    EXPECT_EQ(Slot(16) + "/" + Slot(24), "2 Portugal/ Portugal");
    EXPECT_EQ(Flag(3), portugal);
    Play(29, {"1", "1", "3", "4"}); // #26 to the second side on penalties
    EXPECT_EQ(Slot(18) + "/" + Slot(25), "(3)1 Austria/ Turkey");
    Play(32, {"0", "0", "6", "5"}); // semi-final #29 to the first side on penalties
    EXPECT_EQ(Slot(31), "Winner");
    EXPECT_TRUE(Flag(0).isNull());
    Play(35, {"1", "0"}); // the final, against the other semi-final's placeholder
    EXPECT_EQ(Slot(31), "Portugal");
    EXPECT_EQ(Flag(0), portugal);
    // #25 cleared after its semi-final: the placeholder comes back, the results stay.
    Play(28, {"", ""});
    EXPECT_EQ(Slot(16) + "/" + Slot(24), " Portugal/(6)0 Winner #25");
    EXPECT_EQ(Flag(3), portugal);
}

TEST_F(BracketWindow, APressOpensTheMatchUnderItAndAFlagOrTheLinkOpensNoDialog)
{
    const auto before = m_vars.MatchTable;
    m_vars.SelectedMatch = 30; // where the pointer crossed last
    QString title;
    OnModal([&](QWidget *dialog) { title = dialog->windowTitle(); }, &m_window);
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
    ClickOn("ImgFlagRound_7");
    ClickOn("ImgFlagRound_3");
    ClickOn("Label3");
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(catcher.urls, QList<QUrl>({QUrl(NamedChild(m_window, "Label3")->text())}));
    QTest::mouseClick(NamedChild<QPushButton>(m_window, "bExit"), Qt::LeftButton);
    EXPECT_FALSE(m_window.isVisible());
    EXPECT_EQ(m_vars.MatchTable, before);
}
