// The windows one at a time: the main window, the result dialog, the bracket and
// the manual order window, each on its own rules.

#include "gui_util.h"

#include "storage/ResultsFile.h"
#include "ui/BracketDialog.h"
#include "ui/MainWindow.h"
#include "ui/ManualOrderDialog.h"
#include "ui/Pictures.h"
#include "ui/ResultDialog.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

namespace {

// A shown main window on a results file in a fresh folder, holding `content` when given.
struct Session {
    explicit Session(const QByteArray &content = {})
        : path(dir.filePath("results.txt")),
          window((content.isEmpty() || writeBytes(path, content), championship), path)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QLabel *line(int row) const { return namedChild(window, QStringLiteral("scheduleLine%1").arg(row)); }
    QImage picture(const QString &name) const { return namedChild(window, name)->pixmap().toImage(); }
    QTemporaryDir dir;
    QString path;
    Championship championship;
    MainWindow window;
};

TEST(MainWindow, StartsFromTheResultsFileOrWithoutOne)
{
    Session fresh;
    EXPECT_EQ(fresh.line(23)->text(), "Wednesday 18 June 2008   Russia  -  Sweden");
    EXPECT_EQ(fresh.picture("scheduleFlag_0"), flagPicture("Switzerland").toImage());
    EXPECT_EQ(fresh.picture("scheduleFlag_47"), flagPicture("Sweden").toImage());
    EXPECT_FALSE(QFile::exists(fresh.path)) << "starting writes nothing";

    // Group A played: Portugal and Turkey on 6, Czech Republic beat Switzerland.
    Championship played = initialChampionship();
    const std::pair<int, Score> groupA[] = {{0, {"0", "1"}}, {1, {"2", "0"}},  {8, {"1", "3"}},
                                            {9, {"1", "2"}}, {16, {"2", "0"}}, {17, {"3", "2"}}};
    for (const auto &[row, score] : groupA)
        played.matches[row].score = score;
    Session s(resultsLine(played));
    EXPECT_EQ(texts(s.window,
                    {"team_0", "team_1", "team_2", "team_3", "standing_0", "standing_3", "scheduleLine0"}),
              QStringList({"Portugal", "Turkey", "Czech Republic", "Switzerland", "6  2 0 1 5  3",
                           "3  1 0 2 3  3", "Saturday 7 June 2008   Switzerland 0 - 1 Czech Republic"}));
    EXPECT_EQ(s.picture("teamFlag_2"), flagPicture("Czech Republic").toImage());
}

// A file that a save would not write back the same is copied before anything
// is saved over it, every start's file in a copy of its own, and the copy is
// named.
TEST(MainWindow, KeepsEveryUnreadableResultsFileInACopyOfItsOwn)
{
    struct Case {
        const char *name;
        QByteArray content;
        const char *copy;
    };
    const QByteArray fresh = resultsLine(initialChampionship());
    // clang-format off
    const Case cases[] = {
        {.name = "a blank first line", .content = "\r\n1,0|2,2|what a save would lose\r\n", .copy = ".bak"},
        {.name = "one line over a mebibyte", .content = fresh.chopped(2) + QByteArray(1 << 20, 'x'), .copy = ".bak.1"},
        {.name = "two byte order marks", .content = "\xEF\xBB\xBF\xEF\xBB\xBF" + fresh, .copy = ".bak.2"},
        {.name = "a score that is no number", .content = "abc,-5" + fresh.mid(1), .copy = ".bak.3"},
    };
    // clang-format on
    QTemporaryDir dir;
    const QString path = dir.filePath("results.txt");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(writeBytes(path, c.content));
        QStringList seen;
        answerMessage(&seen);
        {
            Championship championship;
            MainWindow window(championship, path);
            window.show();
            EXPECT_TRUE(QTest::qWaitFor([] { return pendingMessageAnswers() == 0; }, 5000));
        }
        EXPECT_TRUE(seen.value(0).contains(QDir::toNativeSeparators(path + c.copy)));
        EXPECT_EQ(fileBytes(path + c.copy), c.content);
    }
}

// The mark, the platform's control face behind a schedule line, follows the pointer from line to line
// and goes over the panel between them.
TEST(MainWindow, PointerMarksTheScheduleLineUnderIt)
{
    Session s;
    QWindow *window = s.window.windowHandle();
    QTest::mouseMove(window, QPoint(1, 1)); // from the corner, so that the window system reports the moves
    QTest::mouseMove(window, s.line(3)->mapTo(&s.window, s.line(3)->rect().center()));
    QTest::mouseMove(window, s.line(7)->mapTo(&s.window, s.line(7)->rect().center()));
    EXPECT_FALSE(s.line(3)->autoFillBackground());
    EXPECT_TRUE(s.line(7)->autoFillBackground());
    const QWidget *panel = namedChild<QWidget>(s.window, "schedule");
    QTest::mouseMove(window, panel->mapTo(&s.window, QPoint(2, panel->height() / 2)));
    EXPECT_FALSE(s.line(7)->autoFillBackground());
}

// The export items write the file picked in the file dialog; a name without an extension takes the
// chosen type's.
TEST(MainWindow, ExportsToTheFileChosenInTheDialog)
{
    Session s;
    struct Case {
        const char *name, *action, *type, *typed, *written, *start;
    };
    // clang-format off
    const Case cases[] = {
        {.name = "svg type, no extension", .action = "exportAction", .type = "SVG drawing (*.svg)", .typed = "drawing", .written = "drawing.svg", .start = "<?xml"},
        {.name = "png type, no extension", .action = "exportAction", .type = "PNG picture (*.png)", .typed = "picture", .written = "picture.png", .start = "\x89PNG"},
        {.name = "typed extension over the type", .action = "exportAction", .type = "PNG picture (*.png)", .typed = "document.pdf", .written = "document.pdf", .start = "%PDF"},
        {.name = "csv keeps the typed name", .action = "exportCsvAction", .type = "CSV file (*.csv)", .typed = "list", .written = "list", .start = "Number,"},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        onNext<QFileDialog>([&](QFileDialog *dialog) {
            dialog->setOption(QFileDialog::DontConfirmOverwrite); // no question that could wait unanswered
            dialog->selectNameFilter(c.type);
            namedChild<QLineEdit>(*dialog, "fileNameEdit")->setText(s.dir.filePath(c.typed));
            static_cast<QDialog *>(dialog)->accept();
        });
        namedChild<QAction>(s.window, c.action)->trigger();
        EXPECT_TRUE(fileBytes(s.dir.filePath(c.written)).startsWith(c.start));
    }
}

class ResultWindow : public ::testing::Test {
protected:
    // Opens the dialog on `row`, the row's score stored as `stored`.
    void open(int row, const Score &stored = {})
    {
        m_championship.matches[row].score = stored;
        m_dialog = std::make_unique<ResultDialog>(m_championship, row, &m_parent);
        m_dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    QLineEdit *box(int i) const { return namedChild<QLineEdit>(*m_dialog, kScoreBoxes[i]); }

    Championship m_championship = initialChampionship();
    QWidget m_parent;
    std::unique_ptr<ResultDialog> m_dialog;
};

TEST_F(ResultWindow, ShowsTheMatchAndItsStadium)
{
    open(0);
    EXPECT_EQ(m_dialog->windowTitle(), "Match #1  Group A");
    EXPECT_EQ(texts(*m_dialog, {"matchTitleLabel", "matchInfoLabel", "team1Label", "team2Label"}),
              QStringList({"Match #1", "18:00  Saturday 7 June 2008  Basel  St. Jakob-Park", "Switzerland",
                           "Czech Republic"}));
    EXPECT_TRUE(namedChild(*m_dialog, "jakobParkPicture")->isVisibleTo(m_dialog.get()));
}

// Typed over the first boxes (an empty text clears one), then OK: the boxes before OK, the refusal, the
// score accepted.
TEST_F(ResultWindow, OkAcceptsOrRefusesWhatWasTyped)
{
    struct Case {
        const char *name;
        int row;
        Score stored;
        QStringList typed;
        QStringList shown;   // the four boxes' texts before OK
        bool penaltiesAsked; // the penalty boxes shown, the goal boxes greyed
        QString refusal;     // the message that keeps the dialog open
        QStringList accepted = {"", "", "", ""};
    };
    // clang-format off
    const Case cases[] = {
        {.name = "final, second goals emptied", .row = 30, .stored = {"1", "1", "3", "2"}, .typed = {"1", ""}, .shown = {"1", "", "", ""}, .penaltiesAsked = false, .refusal = "Insert the Results"},
        {.name = "final emptied", .row = 30, .stored = {"1", "1", "3", "2"}, .typed = {"", ""}, .shown = {"", "", "", ""}, .penaltiesAsked = false},
        {.name = "a draw by value", .row = 24, .stored = {}, .typed = {"1", "01"}, .shown = {"1", "01", "", ""}, .penaltiesAsked = true, .refusal = "Insert the Results of Penalties"},
        {.name = "a draw decided on penalties", .row = 24, .stored = {}, .typed = {"1", "01", "4", "03"}, .shown = {"1", "01", "4", "03"}, .penaltiesAsked = true, .accepted = {"1", "01", "4", "03"}},
        {.name = "stored penalties kept", .row = 25, .stored = {"1", "1", "5", "4"}, .typed = {}, .shown = {"1", "1", "5", "4"}, .penaltiesAsked = true, .accepted = {"1", "1", "5", "4"}},
        {.name = "goals that differ drop the penalties", .row = 25, .stored = {"1", "1", "5", "4"}, .typed = {"2"}, .shown = {"2", "1", "", ""}, .penaltiesAsked = false, .accepted = {"2", "1", "", ""}},
        {.name = "a stored score longer than two digits stays whole", .row = 3, .stored = {"123", "4"}, .typed = {}, .shown = {"123", "4", "", ""}, .penaltiesAsked = false, .accepted = {"123", "4", "", ""}},
        {.name = "digits only, two at most", .row = 0, .stored = {}, .typed = {"a-4 b7.1", "07"}, .shown = {"47", "07", "", ""}, .penaltiesAsked = false, .accepted = {"47", "07", "", ""}},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        open(c.row, c.stored);
        QStringList seen;
        if (!c.refusal.isEmpty())
            answerMessage(&seen);
        enterScores(*m_dialog, c.typed, false);
        EXPECT_EQ(QStringList({box(0)->text(), box(1)->text(), box(2)->text(), box(3)->text()}), c.shown);
        for (int i : {2, 3})
            EXPECT_EQ(box(i)->isVisibleTo(m_dialog.get()), c.penaltiesAsked) << kScoreBoxes[i];
        for (int i : {0, 1})
            EXPECT_EQ(box(i)->palette().color(QPalette::Base) != Qt::white, c.penaltiesAsked)
                << kScoreBoxes[i];
        QTest::mouseClick(namedChild<QPushButton>(*m_dialog, "okButton"), Qt::LeftButton);
        EXPECT_EQ(seen.value(0), c.refusal);
        EXPECT_EQ(m_dialog->isVisible(), !c.refusal.isEmpty());
        const Score accepted = m_dialog->score();
        EXPECT_EQ(QStringList({accepted.goals1, accepted.goals2, accepted.penalties1, accepted.penalties2}),
                  c.accepted);
    }
}

// Every group match 0-0 and the manual order on the fixture order: the quarter-finals are
// Portugal - Croatia, Austria - Turkey, France - Russia, Greece - Italy. The scores the bracket
// reports are stored, as the main window does.
class BracketWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        QObject::connect(&m_window, &BracketDialog::resultEntered,
                         [this](int row, const Score &score) { m_championship.matches[row].score = score; });
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }
    QImage picture(const QString &name) const { return namedChild(m_window, name)->pixmap().toImage(); }
    // A press over the middle of `target`, sent to the window so that whatever lies on top receives it.
    void clickOn(const QString &target)
    {
        const QLabel *label = namedChild(m_window, target);
        QTest::mouseClick(m_window.windowHandle(), Qt::LeftButton, {},
                          label->mapTo(&m_window, label->rect().center()));
    }
    // Presses the area of match `number` and types the scores into the dialog it opens.
    void play(int number, const QStringList &scores)
    {
        onNext<ResultDialog>([&](ResultDialog *dialog) { enterScores(*dialog, scores); });
        clickOn(QStringLiteral("matchArea_%1").arg(number));
    }

    Championship m_championship = [] {
        Championship championship = initialChampionship();
        for (int r = 0; r < kGroupMatchCount; ++r)
            championship.matches[r].score = {"0", "0"};
        championship.manualOrder.readText(QString::fromLatin1(ManualOrder::kInitialText).replace(0, 1, "1"));
        refreshAfterEdit(championship, {});
        return championship;
    }();
    BracketDialog m_window{m_championship};
};

TEST_F(BracketWindow, KnockoutStagePlayedThroughTheResultDialog)
{
    play(25, {"2", "1"}); // won outright
    EXPECT_EQ(texts(m_window, {"slot_0", "slot_8"}), QStringList({"2 Portugal", " Portugal"}));
    play(26, {"1", "1", "3", "4"}); // to the second side on penalties
    EXPECT_EQ(texts(m_window, {"slot_2", "slot_9"}), QStringList({"(3)1 Austria", " Turkey"}));
    play(29, {"0", "0", "6", "5"}); // the semi-final to the first side on penalties
    play(31, {"1", "0"});           // the final, against the other semi-final's placeholder
    EXPECT_EQ(namedChild(m_window, "championLabel")->text(), "Portugal");
    EXPECT_EQ(picture("championFlag"), flagPicture("Portugal").toImage());
    // #25 cleared after its semi-final: the placeholder comes back, the results stay.
    play(25, {"", ""});
    EXPECT_EQ(texts(m_window, {"slot_0", "slot_8"}), QStringList({" Portugal", "(6)0 Winner #25"}));
    EXPECT_EQ(picture("slotFlag_8"), flagPicture("Portugal").toImage()) << "a placeholder keeps the flag";
}

// The list of place `place` (1 to 4) of group `group` (0 to 3).
QComboBox *placeList(const QWidget &window, int group, int place)
{
    return namedChild<QComboBox>(window,
                                 QStringLiteral("placeList_%1%2").arg(QChar(u'A' + group)).arg(place));
}

// The sixteen lists as shown, group by group.
QStringList shownOrder(const QWidget &window)
{
    QStringList texts;
    for (int g = 0; g < kGroupCount; ++g)
        for (int place = 1; place <= kTeamsPerGroup; ++place)
            texts << placeList(window, g, place)->currentText();
    return texts;
}

// The lists show the stored order, an unknown name as an empty list; OK accepts nothing until every
// list is filled, then the order with the switch.
TEST(ManualOrderWindow, ListsAndOk)
{
    const QString initial = QString::fromLatin1(ManualOrder::kInitialText);
    const QStringList names = initial.split(u',').mid(1);
    Championship championship = initialChampionship();
    // A line break is dropped, an unknown name leaves its list empty, a seventeenth name is ignored.
    championship.manualOrder.readText("1," + names.mid(0, 15).join(u',') + "\n,Brazil,Sweden");
    ManualOrderDialog window(championship);
    EXPECT_EQ(shownOrder(window), names.mid(0, 15) + QStringList({""}));
    QStringList seen;
    answerMessage(&seen);
    QTest::mouseClick(namedChild<QPushButton>(window, "okButton"), Qt::LeftButton);
    EXPECT_EQ(seen, QStringList{"Complete all please!"});
    // Sweden by the list's popup, as a user picks it.
    QComboBox *list = placeList(window, 3, 4);
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(list->findText("Sweden"), 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    QTest::mouseClick(namedChild<QPushButton>(window, "okButton"), Qt::LeftButton);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(window.order().text(), QString(initial).replace(0, 1, "1"));

    championship.manualOrder = window.order();
    const ManualOrderDialog reopened(championship);
    EXPECT_TRUE(namedChild<QCheckBox>(reopened, "useManualOrderBox")->isChecked());
}

} // namespace
