#include "gui_util.h"

#include "app/Sequences.h"
#include "ui/Frm2Round.h"
#include "ui/FrmMatch.h"
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

// Plays a group so that the table ends in its fixture order: of two teams,
// the one listed first in the group wins 1 to 0.
void PlayGroupInFixtureOrder(ModVars &vars, int group)
{
    const auto place = [&](const QString &name) {
        for (int i = 0; i < kTeamsPerGroup; ++i)
            if (vars.GroupTeams[group][i][Col::Name] == name)
                return i;
        return kTeamsPerGroup;
    };
    for (int r : GroupMatchRows(group)) {
        MatchRow &m = vars.MatchTable[r];
        const bool firstWins = place(m[Match::team1]) < place(m[Match::team2]);
        m[Match::goals1] = firstWins ? "1" : "0";
        m[Match::goals2] = firstWins ? "0" : "1";
    }
}

// The state after start-up without a results file, with the given groups played.
ModVars Tournament(std::initializer_list<int> playedGroups)
{
    QTemporaryDir dir;
    ModVars vars;
    StartupSequence(vars, dir.filePath("results.txt"), {});
    for (int g : playedGroups)
        PlayGroupInFixtureOrder(vars, g);
    DialogRefreshSequence(vars, {});
    return vars;
}

template <typename T> T *Child(const QWidget &parent, const QString &name)
{
    T *child = parent.findChild<T *>(name);
    if (!child)
        ADD_FAILURE() << "no child " << name.toStdString();
    return child;
}

QLabel *Slot(const Frm2Round &window, int index)
{
    return Child<QLabel>(window, QStringLiteral("lblTeam_%1").arg(index));
}

QLabel *Flag(const Frm2Round &window, int index)
{
    return Child<QLabel>(window, QStringLiteral("ImgFlagRound_%1").arg(index));
}

QWidget *Area(const Frm2Round &window, int index)
{
    return Child<QWidget>(window, QStringLiteral("lblMatch_%1").arg(index));
}

bool FlagsAvailable()
{
    return !FlagPicture(QStringLiteral("Spain")).isNull();
}

bool SamePicture(const QPixmap &a, const QPixmap &b)
{
    return !a.isNull() && !b.isNull() && a.toImage() == b.toImage();
}

// Types into a score box as a user would: select all, erase, type.
void Type(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// Fills the result dialog and presses its OK button. A refusal (a message box,
// the dialog still open) is a failure and is closed, so a test never hangs.
void EnterResult(QWidget *modal, const QString &g1, const QString &g2, const QString &p1 = {},
                 const QString &p2 = {})
{
    auto *dialog = qobject_cast<FrmMatch *>(modal);
    if (!dialog) {
        ADD_FAILURE() << "expected the result dialog, got " << modal->metaObject()->className();
        modal->close();
        return;
    }
    std::array<QLineEdit *, 4> boxes{};
    for (int i = 0; i < 4; ++i)
        boxes[i] = dialog->findChild<QLineEdit *>(QStringLiteral("txtScore_%1").arg(i));
    auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("bOk"));
    if (!ok || std::find(boxes.begin(), boxes.end(), nullptr) != boxes.end()) {
        ADD_FAILURE() << "the result dialog lacks its score boxes or OK";
        dialog->close();
        return;
    }
    Type(boxes[0], g1);
    Type(boxes[1], g2);
    if (!p1.isEmpty() || !p2.isEmpty()) {
        EXPECT_TRUE(boxes[2]->isVisible() && boxes[3]->isVisible()) << "penalty boxes hidden";
        Type(boxes[2], p1);
        Type(boxes[3], p2);
    }
    QString refusal;
    ModalDriver refused([&](QWidget *box) { refusal = AcceptMessageBox(box); }, dialog, 60'000);
    QTest::mouseClick(ok, Qt::LeftButton);
    if (dialog->isVisible()) {
        ADD_FAILURE() << "the result dialog refused the entry: " << refusal.toStdString();
        dialog->close();
    }
}

// Presses and releases the button over the middle of `target`, sent to the
// window so that whatever lies on top at that point receives it.
void ClickOn(Frm2Round &window, QWidget *target)
{
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      target->mapTo(&window, target->rect().center()));
}

void MoveOver(Frm2Round &window, QWidget *target)
{
    QTest::mouseMove(window.windowHandle(), target->mapTo(&window, target->rect().center()));
}

// Presses the middle of a match area of the open bracket and lets `drive`
// handle the result dialog that opens.
void PressMatch(Frm2Round &window, int area, const ModalDriver::Drive &drive)
{
    QWidget *target = Area(window, area);
    ASSERT_NE(target, nullptr);
    ModalDriver driver(drive, &window);
    ClickOn(window, target);
    EXPECT_TRUE(driver.Fired()) << "no result dialog for lblMatch_" << area;
}

void PlayMatch(Frm2Round &window, int area, const QString &g1, const QString &g2, const QString &p1 = {},
               const QString &p2 = {})
{
    PressMatch(window, area, [&](QWidget *modal) { EnterResult(modal, g1, g2, p1, p2); });
}

} // namespace

TEST(Bracket, OpensFromTheStateWithOnlyQualifiedTeamsFlagged)
{
    ModVars vars = Tournament({0}); // only group A complete
    Frm2Round window(vars);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(window.windowTitle(), u""_s);
    EXPECT_EQ(Slot(window, 16)->text(), u" Portugal"_s);
    EXPECT_EQ(Slot(window, 17)->text(), u" Runner-up Grp B"_s);
    EXPECT_EQ(Slot(window, 18)->text(), u" Winner Grp B"_s);
    EXPECT_EQ(Slot(window, 19)->text(), u" Turkey"_s);
    EXPECT_EQ(Slot(window, 24)->text(), u" Winner #25"_s);
    EXPECT_EQ(Slot(window, 27)->text(), u" Winner #28"_s);
    EXPECT_EQ(Slot(window, 29)->text(), u" Winner #30"_s);
    EXPECT_EQ(Slot(window, 31)->text(), u"Winner"_s);
    EXPECT_EQ(vars.MatchTable[28][Match::team1], u"Winner #25"_s);
    EXPECT_EQ(vars.MatchTable[30][Match::team2], u"Winner #30"_s);

    // Flags for the two qualified teams only, in their own slots.
    for (int i = 0; i <= 14; ++i) {
        const bool qualified = i == 7 || i == 10;
        EXPECT_EQ(!Flag(window, i)->pixmap().isNull(), qualified && FlagsAvailable()) << "ImgFlagRound_" << i;
    }
    if (FlagsAvailable()) {
        EXPECT_TRUE(SamePicture(Flag(window, 10)->pixmap(), FlagPicture("Turkey")));
    }

    // No match for third place.
    for (const char *name : {"lblTeam_30", "lblMatch_14", "lblMatch_34"})
        EXPECT_FALSE(Child<QWidget>(window, name)->isVisible()) << name;

    // Exit closes and changes nothing.
    const auto before = vars.MatchTable;
    QTest::mouseClick(Child<QPushButton>(window, "bExit"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(vars.MatchTable, before);
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl &url) { opened << url; }
};

TEST(Bracket, HomePageLinkOpensTheAddressItShows)
{
    ModVars vars = Tournament({});
    Frm2Round window(vars);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Open");
    QLabel *link = Child<QLabel>(window, "Label3");
    ClickOn(window, link);
    QDesktopServices::unsetUrlHandler("https");

    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.front(), QUrl(link->text()));
    EXPECT_TRUE(window.isVisible());
}

TEST(Bracket, KnockoutStagePlayedThroughTheResultDialog)
{
    ModVars vars = Tournament({0, 1, 2, 3});
    ASSERT_EQ(vars.MatchTable[24][Match::team1], u"Portugal"_s);
    ASSERT_EQ(vars.MatchTable[24][Match::team2], u"Croatia"_s);
    ASSERT_EQ(vars.MatchTable[25][Match::team1], u"Austria"_s);
    ASSERT_EQ(vars.MatchTable[25][Match::team2], u"Turkey"_s);
    ASSERT_EQ(vars.MatchTable[26][Match::team1], u"France"_s);
    ASSERT_EQ(vars.MatchTable[26][Match::team2], u"Russia"_s);
    ASSERT_EQ(vars.MatchTable[27][Match::team1], u"Greece"_s);
    ASSERT_EQ(vars.MatchTable[27][Match::team2], u"Italy"_s);

    Frm2Round window(vars);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(Flag(window, 3)->pixmap().isNull());

    // #25 won outright: the winner moves on at once, slot and flag.
    PlayMatch(window, 28, "2", "1");
    EXPECT_EQ(vars.MatchTable[28][Match::team1], u"Portugal"_s);
    EXPECT_EQ(Slot(window, 16)->text(), u"2 Portugal"_s);
    EXPECT_EQ(Slot(window, 17)->text(), u"1 Croatia"_s);
    EXPECT_EQ(Slot(window, 24)->text(), u" Portugal"_s);
    if (FlagsAvailable()) {
        EXPECT_TRUE(SamePicture(Flag(window, 3)->pixmap(), FlagPicture("Portugal")));
    }

    // #26 level, the second side wins on penalties.
    PlayMatch(window, 29, "1", "1", "3", "4");
    EXPECT_EQ(vars.MatchTable[25][Match::penalties1], u"3"_s);
    EXPECT_EQ(vars.MatchTable[25][Match::penalties2], u"4"_s);
    EXPECT_EQ(Slot(window, 18)->text(), u"(3)1 Austria"_s);
    EXPECT_EQ(Slot(window, 19)->text(), u"(4)1 Turkey"_s);
    EXPECT_EQ(vars.MatchTable[28][Match::team2], u"Turkey"_s);
    EXPECT_EQ(Slot(window, 25)->text(), u" Turkey"_s);

    // #27 goalless, the first side wins on penalties; #28 to the second side.
    PlayMatch(window, 30, "0", "0", "6", "5");
    EXPECT_EQ(vars.MatchTable[29][Match::team1], u"France"_s);
    EXPECT_EQ(Slot(window, 20)->text(), u"(6)0 France"_s);
    PlayMatch(window, 31, "0", "3");
    EXPECT_EQ(vars.MatchTable[29][Match::team2], u"Italy"_s);

    // Semi-finals, then the final and the champion.
    PlayMatch(window, 32, "1", "0");
    PlayMatch(window, 33, "1", "2");
    EXPECT_EQ(vars.MatchTable[30][Match::team1], u"Portugal"_s);
    EXPECT_EQ(vars.MatchTable[30][Match::team2], u"Italy"_s);
    EXPECT_EQ(Slot(window, 28)->text(), u" Portugal"_s);
    EXPECT_EQ(Slot(window, 31)->text(), u"Winner"_s);
    EXPECT_TRUE(Flag(window, 0)->pixmap().isNull());

    PlayMatch(window, 35, "0", "1");
    EXPECT_EQ(Slot(window, 28)->text(), u"0 Portugal"_s);
    EXPECT_EQ(Slot(window, 29)->text(), u"1 Italy"_s);
    EXPECT_EQ(Slot(window, 31)->text(), u"Italy"_s);
    if (FlagsAvailable()) {
        EXPECT_TRUE(SamePicture(Flag(window, 0)->pixmap(), FlagPicture("Italy")));
    }

    // Clearing #25 after its semi-final was played: the placeholder comes back
    // and moves on through the played semi-final; the semi-final keeps its
    // result, and the pictures keep the flags they showed.
    const QPixmap semiFlag = Flag(window, 3)->pixmap();
    const QPixmap finalFlag = Flag(window, 1)->pixmap();
    PlayMatch(window, 28, "", "");
    for (int field : {Match::goals1, Match::goals2, Match::penalties1, Match::penalties2})
        EXPECT_EQ(vars.MatchTable[24][field], u""_s);
    EXPECT_EQ(vars.MatchTable[28][Match::team1], u"Winner #25"_s);
    EXPECT_EQ(vars.MatchTable[28][Match::goals1], u"1"_s);
    EXPECT_EQ(vars.MatchTable[28][Match::goals2], u"0"_s);
    EXPECT_EQ(Slot(window, 16)->text(), u" Portugal"_s);
    EXPECT_EQ(Slot(window, 24)->text(), u"1 Winner #25"_s);
    EXPECT_EQ(vars.MatchTable[30][Match::team1], u"Winner #25"_s);
    EXPECT_EQ(Slot(window, 28)->text(), u"0 Winner #25"_s);
    EXPECT_EQ(Slot(window, 31)->text(), u"Italy"_s);
    if (FlagsAvailable()) {
        EXPECT_TRUE(SamePicture(Flag(window, 3)->pixmap(), semiFlag));
        EXPECT_TRUE(SamePicture(Flag(window, 1)->pixmap(), finalFlag));
    }

    // A fresh opening shows no flag where a placeholder stands.
    window.close();
    Frm2Round reopened(vars);
    EXPECT_EQ(Slot(reopened, 24)->text(), u"1 Winner #25"_s);
    EXPECT_TRUE(Flag(reopened, 3)->pixmap().isNull());
    EXPECT_EQ(!Flag(reopened, 4)->pixmap().isNull(), FlagsAvailable());
}

TEST(Bracket, PressOpensTheMatchPressedAndFlagsOpenNothing)
{
    ModVars vars = Tournament({0, 1, 2, 3});
    Frm2Round window(vars);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    // Moving over a match selects it; nothing opens.
    vars.SelectedMatch = 3;
    MoveOver(window, Area(window, 32));
    EXPECT_EQ(vars.SelectedMatch, 28);
    MoveOver(window, Area(window, 35));
    EXPECT_EQ(vars.SelectedMatch, 30);

    // A press opens the match under it, not the one the pointer last crossed:
    // the press reaches the area without a move over it first.
    QString title;
    int selected = -1;
    const auto before = vars.MatchTable;
    {
        ModalDriver driver(
            [&](QWidget *modal) {
                title = modal->windowTitle();
                selected = vars.SelectedMatch;
                modal->close(); // the close box keeps the stored result
            },
            &window);
        QTest::mouseClick(Area(window, 29), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_TRUE(driver.Fired());
    }
    EXPECT_EQ(selected, 25);
    EXPECT_EQ(title, u"Match #26  QF"_s);
    EXPECT_EQ(vars.MatchTable, before);

    // The flags lie above the areas: neither a move nor a press on them acts,
    // whether they show a picture (a qualified team) or not (a placeholder).
    bool opened = false;
    QTimer guard;
    guard.setInterval(10);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != &window) {
            opened = true;
            modal->close();
        }
    });
    guard.start();
    for (int flag : {7, 3}) {
        vars.SelectedMatch = 11;
        QLabel *picture = Flag(window, flag);
        MoveOver(window, picture);
        ClickOn(window, picture);
        EXPECT_FALSE(opened) << "a press on ImgFlagRound_" << flag << " opened a match";
        EXPECT_EQ(vars.SelectedMatch, 11) << "ImgFlagRound_" << flag;
    }
    EXPECT_EQ(vars.MatchTable, before);
}

#include "bracket_test.moc"
