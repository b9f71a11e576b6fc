// The windows by hand and by keys: the manual order from the current tables, the result dialog's
// focus order, one marked schedule line, a team name opened by keys.

#include "gui_util.h"

#include "storage/ResultsFile.h"
#include "ui/MainWindow.h"
#include "ui/ManualOrderDialog.h"
#include "ui/ResultDialog.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>

using namespace fixturo;
using namespace fixturo::test;

namespace {

// A shown, active main window on a results file holding `content` (none when empty).
struct Session {
    explicit Session(const QByteArray &content = {})
        : window((content.isEmpty() || writeBytes(dir.filePath("results.txt"), content), championship),
                 dir.filePath("results.txt"))
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QTemporaryDir dir;
    Championship championship;
    MainWindow window;
};

// A key on whatever has the focus in `window`.
void press(QWidget &window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *target = window.focusWidget();
    ASSERT_TRUE(target) << "nothing has the focus";
    QTest::keyClick(target, key, modifiers);
}

// The group stage of 2008 played; the manual order ticked and group A alone settled.
TEST(ManualOrderWindow, SettlingOneGroupKeepsTheOthersRanked)
{
    Championship played;
    ASSERT_TRUE(loadResultsFile(played, QStringLiteral(FIXTURO_TEST_DATA "/full_tournament.txt")));
    for (int r = kGroupMatchCount; r < kMatchCount; ++r)
        played.matches[r].score = {};
    Session s(resultsLine(played));
    onNext<ManualOrderDialog>([](ManualOrderDialog *dialog) {
        QTest::keyClick(namedChild<QWidget>(*dialog, "useManualOrderBox"), Qt::Key_Space);
        // Turkey above Portugal: the first list one down empties the second, which goes to its top.
        QTest::keyClick(namedChild<QComboBox>(*dialog, "placeList_A1"), Qt::Key_Down);
        QTest::keyClick(namedChild<QComboBox>(*dialog, "placeList_A2"), Qt::Key_Down);
        QTest::mouseClick(namedChild<QPushButton>(*dialog, "okButton"), Qt::LeftButton);
    });
    namedChild<QAction>(s.window, "manualOrderAction")->trigger();
    EXPECT_EQ(texts(s.window, {"team_0", "team_1"}), QStringList({"Turkey", "Portugal"}));
    EXPECT_EQ(texts(s.window, {"team_4", "team_8", "team_12"}),
              QStringList({"Croatia", "Netherlands", "Spain"}));
    // Group B's third row as a screen reader says it: one point and one goal are singular.
    EXPECT_EQ(namedChild(s.window, "standing_6")->accessibleName(),
              "Austria: 1 point, 0 won, 1 drawn, 2 lost, 1 goal for, 3 against");
}

// From the first goal box down: each text typed, then Tab; the last Tab reaches OK and Return accepts.
TEST(ResultWindow, TabRunsFromTheFirstGoalBoxDownToOk)
{
    struct Case {
        const char *name;
        int row;
        QStringList typed;
        bool penaltiesCaption;
        QStringList accepted; // goals and penalties
    };
    // clang-format off
    const Case cases[] = {
        {.name = "group match", .row = 0, .typed = {"2", "1"}, .penaltiesCaption = false, .accepted = {"2", "1", "", ""}},
        {.name = "knockout won", .row = 24, .typed = {"0", "1"}, .penaltiesCaption = false, .accepted = {"0", "1", "", ""}},
        {.name = "knockout draw", .row = 24, .typed = {"1", "1", "4", "3"}, .penaltiesCaption = true, .accepted = {"1", "1", "4", "3"}},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ResultDialog dialog(initialChampionship(), c.row);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_EQ(dialog.focusWidget(), namedChild<QWidget>(dialog, "goals1Box"));
        for (const QString &text : c.typed) {
            QTest::keyClicks(dialog.focusWidget(), text);
            press(dialog, Qt::Key_Tab);
        }
        EXPECT_EQ(dialog.focusWidget(), namedChild<QWidget>(dialog, "okButton"));
        EXPECT_EQ(namedChild(dialog, "penaltiesCaption")->isVisible(), c.penaltiesCaption);
        press(dialog, Qt::Key_Return);
        const Score score = dialog.score();
        EXPECT_EQ(QStringList({score.goals1, score.goals2, score.penalties1, score.penalties2}), c.accepted);
    }
}

// The keyboard on match 3's line, then the pointer on match 6's: the focus goes with the mark.
TEST(MainWindow, EnterOpensTheLineThePointerMarked)
{
    Session s;
    namedChild(s.window, "scheduleLine2")->setFocus();
    const QLabel *line = namedChild(s.window, "scheduleLine5");
    QTest::mouseMove(s.window.windowHandle(), line->mapTo(&s.window, line->rect().center()));
    QString opened;
    onNext<ResultDialog>([&](ResultDialog *dialog) {
        opened = namedChild(*dialog, "matchTitleLabel")->text();
        dialog->reject();
    });
    press(s.window, Qt::Key_Return);
    EXPECT_EQ(opened, "Match #6");
}

// Tab from Second Round reaches the first team name, and Enter opens its page. The focus is checked
// first: Enter on a schedule line would open a dialog that nobody closes.
TEST(MainWindow, TeamNamesOpenByKeys)
{
    Session s;
    UrlCatcher catcher;
    press(s.window, Qt::Key_Tab);
    ASSERT_EQ(s.window.focusWidget()->objectName(), QString("team_0"));
    press(s.window, Qt::Key_Return);
    EXPECT_EQ(catcher.urls,
              QList<QUrl>({QUrl("https://en.wikipedia.org/wiki/Portugal_national_football_team")}));
}

} // namespace
