// The menus by their keys, the results kept in another file, and the user guide.

#include "gui_util.h"

#include "storage/ResultsFile.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTextBrowser>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

namespace {

// Match 1 won by its first team (1) or its second (2), the rest unplayed.
QByteArray wonBy(int winner)
{
    Championship championship = initialChampionship();
    championship.matches[0].score = winner == 1 ? Score{u"1"_s, u"0"_s} : Score{u"0"_s, u"3"_s};
    return resultsLine(championship);
}

// A shown main window on results.txt, which holds wonBy(1); other.txt beside it.
struct Menus : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(writeBytes(path, wonBy(1)));
        window = std::make_unique<MainWindow>(championship, path);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void trigger(const char *action, QMessageBox::StandardButton answer = QMessageBox::NoButton) const
    {
        if (answer != QMessageBox::NoButton)
            answerMessage(nullptr, answer);
        if (QAction *item = namedChild<QAction>(*window, QLatin1String(action)))
            item->trigger();
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(u"results.txt"_s), other = dir.filePath(u"other.txt"_s);
    Championship championship;
    std::unique_ptr<MainWindow> window;
};

TEST_F(Menus, ItemsShowTheirKeysAndAMenuKeyHighlightsItsFirstItem)
{
    struct Case {
        const char *keys, *action, *menu; // the item's key, or the menu's key and its first item
    };
    // clang-format off
    for (const Case &c : {Case{.keys = "Ctrl+O", .action = "openResultsAction"},
                          Case{.keys = "Ctrl+Shift+S", .action = "saveResultsAsAction"},
                          Case{.keys = "Ctrl+P", .action = "printAction"},
                          Case{.keys = "Ctrl+Q", .action = "exitAction"},
                          Case{.keys = "F1", .action = "userGuideAction"},
                          Case{.keys = "Alt+F", .action = "manualOrderAction", .menu = "fileMenu"},
                          Case{.keys = "Alt+E", .action = "newChampionshipAction", .menu = "editMenu"}, // Undo is grey
                          Case{.keys = "Alt+H", .action = "aboutAction", .menu = "helpMenu"},
                          Case{.keys = "F10", .action = "manualOrderAction", .menu = "fileMenu"}}) {
        // clang-format on
        SCOPED_TRACE(c.keys);
        if (!c.menu) {
            const auto *action = namedChild<QAction>(*window, QLatin1String(c.action));
            EXPECT_EQ(action ? action->shortcut().toString() : "", QLatin1String(c.keys));
            continue;
        }
        QTest::keySequence(window.get(), QKeySequence(QLatin1String(c.keys)));
        QMenu *menu = namedChild<QMenu>(*window, QLatin1String(c.menu));
        EXPECT_EQ(menu->activeAction() ? menu->activeAction()->objectName() : "", QLatin1String(c.action));
        menu->close();
    }
}

// Another file's results come in as one step, and that file is kept from then
// on; undo goes back to the first file. A file that is none is refused.
TEST_F(Menus, OpenResultsIsOneStepAndUndoGoesBackToTheFirstFile)
{
    const QStringList firstOrder = teamOrder(championship, 0);
    const QString junk = dir.filePath(u"junk.txt"_s);
    ASSERT_TRUE(writeBytes(other, wonBy(2)) && writeBytes(junk, "1,0|2,x|\r\n"));
    const auto open = [&](const QString &file) {
        onNext<QFileDialog>([file](QFileDialog *dialog) {
            namedChild<QLineEdit>(*dialog, u"fileNameEdit"_s)->setText(file);
            static_cast<QDialog *>(dialog)->accept();
        });
        trigger("openResultsAction");
    };
    QStringList seen;
    answerMessage(&seen);
    open(junk);
    EXPECT_EQ(seen, QStringList({junk + " is not a results file that Fixturo can read whole.",
                                 u"Not a results file: its first line holds 2 of the 31 match entries."_s}));
    EXPECT_EQ(teamOrder(championship, 0), firstOrder);

    open(other);
    EXPECT_NE(teamOrder(championship, 0), firstOrder);
    trigger("newChampionshipAction", QMessageBox::Yes);
    EXPECT_EQ(fileBytes(other), resultsLine(championship));
    EXPECT_EQ(fileBytes(path), wonBy(1));
    trigger("undoAction"), trigger("undoAction");
    EXPECT_EQ(teamOrder(championship, 0), firstOrder);
    EXPECT_EQ(fileBytes(other), wonBy(2));
    trigger("newChampionshipAction", QMessageBox::Yes);
    EXPECT_EQ(fileBytes(path), resultsLine(championship));
    EXPECT_EQ(fileBytes(other), wonBy(2));
}

TEST_F(Menus, SaveResultsAsMovesLaterSavesToTheFileChosen)
{
    window->setSavePathQuestion([&](QWidget *, const QString &) { return other; });
    trigger("saveResultsAsAction");
    EXPECT_EQ(fileBytes(other), wonBy(1));
    trigger("newChampionshipAction", QMessageBox::Yes);
    EXPECT_EQ(fileBytes(other), resultsLine(championship));
    EXPECT_EQ(fileBytes(path), wonBy(1));
}

TEST_F(Menus, F1OpensOneGuideWhereCtrlFFindsAWord)
{
    QTest::keyClick(window.get(), Qt::Key_F1);
    trigger("userGuideAction"); // brings the same guide to the front
    const QList<QWidget *> guides = window->findChildren<QWidget *>(u"userGuide"_s);
    ASSERT_EQ(guides.size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == guides[0]; }));
    QTest::keyClick(guides[0], Qt::Key_F, Qt::ControlModifier);
    auto *box = namedChild<QLineEdit>(*guides[0], u"findBox"_s);
    ASSERT_TRUE(box && box->hasFocus());
    QTest::keyClicks(box, u"bak"_s);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(namedChild<QTextBrowser>(*guides[0], u"guideText"_s)->textCursor().selectedText(), u"bak"_s);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(box->isVisible());
}

} // namespace
