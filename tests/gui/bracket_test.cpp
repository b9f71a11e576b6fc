#include "gui_util.h"

#include "app/Sequences.h"
#include "ui/Frm2Round.h"
#include "ui/Pictures.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

namespace {

// Every group match 0-0 and the manual order on the fixture order: the
// quarter-finals are Portugal - Croatia, Austria - Turkey, France - Russia,
// Greece - Italy.
ModVars Tournament()
{
    ModVars vars;
    InitFixtureData(vars);
    for (int r = 0; r < kGroupMatchCount; ++r)
        vars.MatchTable[r][Match::goals1] = vars.MatchTable[r][Match::goals2] = u"0"_s;
    vars.TeamList = u"1"_s + QString::fromLatin1(kInitialTeamList).mid(1);
    vars.ManualOrderFlag = 1;
    DialogRefreshSequence(vars, {});
    return vars;
}

// Types the scores into the result dialog and presses OK; a refusal is a
// failure, and the dialog is closed so that the test goes on.
void EnterResult(QWidget *dialog, const QStringList &scores)
{
    QString refusal;
    ModalDriver refused([&](QWidget *box) { refusal = AcceptMessageBox(box); }, dialog);
    for (int i = 0; i < scores.size(); ++i) {
        auto *box = dialog->findChild<QLineEdit *>(u"txtScore_%1"_s.arg(i));
        EXPECT_TRUE(box && box->isVisible()) << "no visible txtScore_" << i;
        if (box) {
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, scores[i]);
        }
    }
    if (auto *ok = dialog->findChild<QPushButton *>(u"bOk"_s))
        QTest::mouseClick(ok, Qt::LeftButton);
    if (dialog->isVisible()) {
        ADD_FAILURE() << "the result dialog did not take the result: " << refusal.toStdString();
        dialog->close();
    }
}

class BracketWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(FlagPicture(u"Portugal"_s).isNull());
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    QLabel *Label(const QString &name) const
    {
        auto *label = m_window.findChild<QLabel *>(name);
        if (!label)
            ADD_FAILURE() << "no " << name.toStdString();
        return label;
    }
    QString Slot(int index) const { return Label(u"lblTeam_%1"_s.arg(index))->text(); }
    QImage Flag(int index) const { return Label(u"ImgFlagRound_%1"_s.arg(index))->pixmap().toImage(); }

    // Presses and releases the button over the middle of `target`, sent to
    // the window so that whatever lies on top at that point receives it.
    void ClickOn(const QString &target)
    {
        const QLabel *label = Label(target);
        ASSERT_NE(label, nullptr);
        QTest::mouseClick(m_window.windowHandle(), Qt::LeftButton, {},
                          label->mapTo(&m_window, label->rect().center()));
    }

    // Presses the match area and types the result into the dialog it opens.
    void Play(int area, const QStringList &scores)
    {
        ModalDriver driver([&](QWidget *modal) { EnterResult(modal, scores); }, &m_window);
        ClickOn(u"lblMatch_%1"_s.arg(area));
        EXPECT_TRUE(driver.Fired()) << "no result dialog for lblMatch_" << area;
    }

    ModVars m_vars = Tournament();
    Frm2Round m_window{m_vars};
};

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl &url) { opened << url; }
};

} // namespace

TEST_F(BracketWindow, KnockoutStagePlayedThroughTheResultDialog)
{
    const QImage portugal = FlagPicture(u"Portugal"_s).toImage();
    for (int i = 0; i <= 14; ++i)
        EXPECT_EQ(Flag(i).isNull(), i < 7) << "only the placeholders lack a flag: ImgFlagRound_" << i;

    Play(28, {"2", "1"}); // #25 won outright
    EXPECT_EQ(m_vars.MatchTable[28][Match::team1], u"Portugal"_s);
    EXPECT_EQ(Slot(16), u"2 Portugal"_s);
    EXPECT_EQ(Slot(24), u" Portugal"_s);
    EXPECT_TRUE(Flag(3) == portugal);

    Play(29, {"1", "1", "3", "4"}); // #26 to the second side on penalties
    EXPECT_EQ(Slot(18), u"(3)1 Austria"_s);
    EXPECT_EQ(Slot(25), u" Turkey"_s);

    Play(32, {"0", "0", "6", "5"}); // semi-final #29 to the first side on penalties
    EXPECT_EQ(m_vars.MatchTable[30][Match::team1], u"Portugal"_s);
    EXPECT_EQ(Slot(31), u"Winner"_s);
    EXPECT_TRUE(Flag(0).isNull());

    Play(35, {"1", "0"}); // the final, against the placeholder of the other semi-final
    EXPECT_EQ(Slot(31), u"Portugal"_s);
    EXPECT_TRUE(Flag(0) == portugal);

    // #25 cleared after its semi-final was played: the placeholder comes back,
    // the semi-final keeps its result, the slot's flag its picture.
    Play(28, {"", ""});
    EXPECT_EQ(Slot(16), u" Portugal"_s);
    EXPECT_EQ(m_vars.MatchTable[28][Match::team1], u"Winner #25"_s);
    EXPECT_EQ(m_vars.MatchTable[28][Match::penalties1], u"6"_s);
    EXPECT_EQ(Slot(24), u"(6)0 Winner #25"_s);
    EXPECT_TRUE(Flag(3) == portugal);
}

TEST_F(BracketWindow, APressOpensTheMatchUnderItAndAFlagOpensNothing)
{
    const auto before = m_vars.MatchTable;
    m_vars.SelectedMatch = 30; // where the pointer crossed last
    QString title;
    {
        ModalDriver driver(
            [&](QWidget *modal) {
                title = modal->windowTitle();
                modal->close();
            },
            &m_window);
        // Straight to the area, with no move over it first.
        QTest::mouseClick(Label(u"lblMatch_29"_s), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_TRUE(driver.Fired());
    }
    EXPECT_EQ(title, u"Match #26  QF"_s);

    // The flags lie above the areas; a press on one, with a picture or without, opens nothing.
    int opened = 0;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != &m_window) {
            ++opened;
            modal->close();
        }
    });
    guard.start(10);
    ClickOn(u"ImgFlagRound_7"_s);
    ClickOn(u"ImgFlagRound_3"_s);
    EXPECT_EQ(opened, 0);

    QTest::mouseClick(m_window.findChild<QPushButton *>(u"bExit"_s), Qt::LeftButton);
    EXPECT_FALSE(m_window.isVisible());
    EXPECT_EQ(m_vars.MatchTable, before);
}

TEST_F(BracketWindow, TheHomePageLinkOpensTheAddressItShows)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(u"https"_s, &catcher, "Open");
    ClickOn(u"Label3"_s);
    QDesktopServices::unsetUrlHandler(u"https"_s);
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.front(), QUrl(Label(u"Label3"_s)->text()));
}

#include "bracket_test.moc"
