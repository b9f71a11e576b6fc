#include "gui_util.h"

#include "groups/Standings.h"
#include "storage/ResultsFile.h"
#include "ui/FrmMain.h"
#include "ui/FrmMatch.h"
#include "ui/Pictures.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

#include <tuple>
#include <vector>

using namespace fixturo;
using namespace fixturo::test;

namespace {

// Answers every modal window that opens while it lives: records it, hands it
// to the hook, then closes it if it is still open.
class ModalLog : public QObject {
public:
    struct Shown {
        QString className, title, text;
    };

    explicit ModalLog(std::function<void(QWidget *)> hook = [](QWidget *) {}) : m_hook(std::move(hook))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { Poll(); });
        m_timer.start(10);
    }

    std::vector<Shown> shown;

private:
    void Poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        auto *box = qobject_cast<QMessageBox *>(modal);
        shown.push_back({QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle(),
                         box ? box->text() : QString()});
        m_hook(modal);
        if (modal->isVisible())
            modal->close();
    }

    std::function<void(QWidget *)> m_hook;
    QTimer m_timer;
};

// Receives the addresses that the program hands to the web browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl &url) { urls << url; }
};

QByteArray FileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A shown main window on a results file in a fresh folder, holding `content`
// when given.
struct Session {
    explicit Session(const QString &name = "results.txt", const QByteArray &content = {})
        : path(Written(dir.filePath(name), content)), window(vars, path)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    static QString Written(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        EXPECT_TRUE(content.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(content) > 0));
        return path;
    }

    template <typename T = QLabel> T *Get(const QString &name) const { return NamedChild<T>(window, name); }
    QString Text(const QString &name) const
    {
        const QLabel *label = Get(name);
        return label ? label->text() : QString();
    }
    QLabel *Line(int i) const { return Get(QStringLiteral("lblDailySched_%1").arg(i)); }

    // The names of group g, top to bottom.
    QStringList Order(int g) const
    {
        QStringList names;
        for (int i = 0; i < kTeamsPerGroup; ++i)
            names << Text(QStringLiteral("lblTeam_%1").arg(kTeamsPerGroup * g + i));
        return names;
    }

    bool Flag(const QString &name, const QString &team) const
    {
        const QLabel *label = Get(name);
        return label && label->pixmap().toImage() == FlagPicture(team).toImage();
    }

    QTemporaryDir dir;
    QString path;
    ModVars vars;
    FrmMain window;
};

// Moves the pointer onto a control from the menu bar's corner, where no
// control listens, so that the window system reports the move.
void PointAt(QWidget *widget, QPoint local = {})
{
    QWidget *top = widget->window();
    QTest::mouseMove(top->windowHandle(), QPoint(1, 1));
    QTest::mouseMove(top->windowHandle(),
                     widget->mapTo(top, local.isNull() ? widget->rect().center() : local));
    QApplication::processEvents();
}

bool Highlighted(const QLabel *line)
{
    return line->autoFillBackground() && line->palette().color(QPalette::WindowText) == QColor(Qt::black) &&
           line->palette().color(QPalette::Window) == QApplication::palette().color(QPalette::Button);
}

bool NormalLook(const QLabel *line)
{
    return !line->autoFillBackground() && line->palette().color(QPalette::WindowText) == QColor(Qt::white);
}

// Group A complete: Portugal and Turkey on 6 points (Portugal won their
// match), Czech Republic and Switzerland on 3 (Czech Republic won theirs).
QByteArray GroupAPlayed()
{
    ModVars vars;
    InitFixtureData(vars);
    const std::vector<std::tuple<int, const char *, const char *>> scores{
        {0, "0", "1"}, {1, "2", "0"}, {8, "1", "3"}, {9, "1", "2"}, {16, "2", "0"}, {17, "3", "2"}};
    for (const auto &[row, goals1, goals2] : scores) {
        vars.MatchTable[row][Match::goals1] = goals1;
        vars.MatchTable[row][Match::goals2] = goals2;
    }
    return ResultsLine(vars);
}

} // namespace

TEST(MainWindowStart, WithoutAResultsFile)
{
    Session s;
    EXPECT_EQ(s.window.windowTitle(), "Fixturo");
    EXPECT_EQ(s.Order(0), QStringList({"Portugal", "Turkey", "Switzerland", "Czech Republic"}));
    EXPECT_EQ(s.Order(3), QStringList({"Greece", "Russia", "Spain", "Sweden"}));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(s.Text(QStringLiteral("lblTable_%1").arg(i)), "0  0 0 0 0  0") << i;
    EXPECT_EQ(s.Get<QGroupBox>("frGroup_2")->title(), "GROUP C      Pts W D L GF GA");
    EXPECT_EQ(s.Line(0)->text(), "Saturday 7 June 2008   Switzerland  -  Czech Republic");
    EXPECT_EQ(s.Line(23)->text(), "Wednesday 18 June 2008   Russia  -  Sweden");
    EXPECT_TRUE(s.Flag("ImgFlagRound_0", "Switzerland"));
    EXPECT_TRUE(s.Flag("ImgFlagRound_47", "Sweden"));
    EXPECT_TRUE(s.Flag("ImgFlagD_2", "Spain"));
    EXPECT_FALSE(QFile::exists(s.path)) << "starting writes nothing";
}

TEST(MainWindowStart, FromTheResultsFile)
{
    Session s("results.txt", GroupAPlayed());
    EXPECT_EQ(s.Order(0), QStringList({"Portugal", "Turkey", "Czech Republic", "Switzerland"}));
    EXPECT_EQ(s.Text("lblTable_0"), "6  2 0 1 5  3");
    EXPECT_EQ(s.Text("lblTable_3"), "3  1 0 2 3  3");
    EXPECT_TRUE(s.Flag("ImgFlag_2", "Czech Republic")) << "a team's flag moves with its name";
    EXPECT_TRUE(s.Flag("ImgFlag_3", "Switzerland"));
    EXPECT_EQ(s.Line(0)->text(), "Saturday 7 June 2008   Switzerland 0 - 1 Czech Republic");
    EXPECT_EQ(s.Line(2)->text(), "Sunday 8 June 2008   Austria  -  Croatia");
    EXPECT_EQ(s.vars.MatchTable[24][Match::team1], "Portugal");
    EXPECT_EQ(s.vars.MatchTable[25][Match::team2], "Turkey");
}

TEST(MainWindowLayout, ClientAreaAndSchedulePanel)
{
    Session s;
    EXPECT_EQ(s.window.centralWidget()->size(), QSize(836, 484));
    EXPECT_EQ(s.window.minimumSize(), s.window.maximumSize()) << "the window cannot be resized";
    // The panel reaches one pixel past the client area.
    const QRect panel = s.Get("v")->geometry() & s.window.centralWidget()->rect();
    for (int i = 0; i < kGroupMatchCount; ++i) {
        const QRect flags = s.Get(QStringLiteral("ImgFlagRound_%1").arg(2 * i))->geometry() |
                            s.Get(QStringLiteral("ImgFlagRound_%1").arg(2 * i + 1))->geometry();
        EXPECT_TRUE(panel.contains(s.Line(i)->geometry() | flags)) << "line " << i;
    }
    EXPECT_TRUE(s.Get<QPushButton>("Command1")->isHidden());
    EXPECT_TRUE(s.Get<QPushButton>("CmdSecond")->isVisible());
}

TEST(MainWindowSchedule, PointerHighlightsTheLineUnderIt)
{
    Session s;
    for (int i = 0; i < kGroupMatchCount; ++i)
        EXPECT_TRUE(NormalLook(s.Line(i))) << i;
    PointAt(s.Line(3));
    EXPECT_EQ(s.vars.SelectedMatch, 3);
    EXPECT_TRUE(Highlighted(s.Line(3)));
    PointAt(s.Line(7));
    EXPECT_TRUE(NormalLook(s.Line(3)));
    EXPECT_TRUE(Highlighted(s.Line(7)));
    PointAt(s.Get("ImgFlagRound_20"));
    EXPECT_TRUE(Highlighted(s.Line(7))) << "a flag is no line";

    // Off the lines, over the panel: the look goes, the selection stays.
    QLabel *panel = s.Get("v");
    const QPoint offTheLines(2, panel->height() / 2);
    PointAt(panel, offTheLines);
    EXPECT_TRUE(NormalLook(s.Line(7)));
    EXPECT_EQ(s.vars.SelectedMatch, 7);

    // A quarter-final pointed at in the bracket window: the highlighted line
    // still returns to normal, whatever SelectedMatch holds.
    PointAt(s.Line(5));
    s.vars.SelectedMatch = 27;
    PointAt(panel, offTheLines);
    EXPECT_EQ(s.vars.SelectedMatch, 27);
    EXPECT_TRUE(NormalLook(s.Line(5)));
}

TEST(MainWindowSchedule, ClickOpensTheResultDialogThenRefreshesAndSaves)
{
    Session s;
    int selectedWhileOpen = -1;
    bool typeResult = true;
    ModalLog log([&](QWidget *modal) {
        selectedWhileOpen = s.vars.SelectedMatch;
        if (!typeResult || !qobject_cast<FrmMatch *>(modal))
            return;
        QTest::keyClicks(modal->findChild<QLineEdit *>("txtScore_0"), "2");
        QTest::keyClicks(modal->findChild<QLineEdit *>("txtScore_1"), "1");
        QTest::mouseClick(modal->findChild<QPushButton *>("bOk"), Qt::LeftButton);
    });

    QTest::mouseClick(s.Line(5), Qt::LeftButton); // with no pointer move first
    ASSERT_EQ(log.shown.size(), 1u);
    EXPECT_EQ(log.shown[0].className, "fixturo::FrmMatch");
    EXPECT_EQ(selectedWhileOpen, 5);
    EXPECT_EQ(s.Line(5)->text(), "Monday 9 June 2008   Netherlands 2 - 1 Italy");
    EXPECT_EQ(s.Text("lblTeam_8"), "Netherlands");
    EXPECT_EQ(s.Text("lblTable_8"), "3  1 0 0 2  1");
    EXPECT_TRUE(s.Flag("ImgFlagC_0", "Netherlands"));
    EXPECT_EQ(FileContent(s.path), ResultsLine(s.vars));

    // Closed without a change, the dialog still leads to a refresh and a save.
    typeResult = false;
    QFile::remove(s.path);
    s.vars.MatchTable[1][Match::goals1] = "3";
    s.vars.MatchTable[1][Match::goals2] = "0";
    QTest::mouseClick(s.Line(0), Qt::LeftButton);
    EXPECT_EQ(log.shown.size(), 2u) << "and no message";
    EXPECT_TRUE(s.Line(1)->text().endsWith("Portugal 3 - 0 Turkey"));
    EXPECT_EQ(FileContent(s.path), ResultsLine(s.vars));
}

TEST(MainWindowSaving, AFailedSaveIsReportedOnceUntilASaveSucceeds)
{
    Session s("missing/results.txt");
    ModalLog log;
    QTest::mouseClick(s.Line(0), Qt::LeftButton);
    QTest::mouseClick(s.Line(1), Qt::LeftButton);
    ASSERT_EQ(log.shown.size(), 3u) << "result dialog, box, result dialog";
    EXPECT_EQ(log.shown[1].className, "QMessageBox");
    EXPECT_EQ(log.shown[1].title, "Fixturo");
    EXPECT_TRUE(log.shown[1].text.contains(QDir::toNativeSeparators(s.path)));

    ASSERT_TRUE(QDir().mkpath(s.dir.filePath("missing")));
    QTest::mouseClick(s.Line(2), Qt::LeftButton);
    EXPECT_EQ(FileContent(s.path), ResultsLine(s.vars));

    // A new failure, here at the end, asks before quitting; quitting without
    // saving closes the window.
    ASSERT_TRUE(QDir(s.dir.filePath("missing")).removeRecursively());
    QStringList asked;
    AnswerMessage(&asked, QMessageBox::Discard);
    s.Get<QAction>("MnuExit")->trigger();
    EXPECT_FALSE(s.window.isVisible());
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(log.shown.size(), 4u);
}

TEST(MainWindowSaving, ExitAndTheCloseBoxSaveTheResults)
{
    for (const bool byMenu : {true, false}) {
        Session s;
        s.vars.MatchTable[0][Match::goals1] = "1";
        s.vars.MatchTable[0][Match::goals2] = "0";
        if (byMenu)
            s.Get<QAction>("MnuExit")->trigger();
        else
            s.window.close();
        EXPECT_FALSE(s.window.isVisible()) << byMenu;
        EXPECT_TRUE(FileContent(s.path).startsWith("1,0|")) << byMenu;
    }
}

TEST(MainWindowMenus, HelpAboutAndSecondRoundOpenTheirModalWindows)
{
    Session s;
    bool aboutClosedByPicture = false;
    ModalLog log([&](QWidget *modal) {
        if (auto *picture = modal->findChild<QLabel *>("Image1")) {
            QTest::mouseClick(picture, Qt::LeftButton);
            aboutClosedByPicture = !modal->isVisible();
        }
    });
    s.Get<QAction>("MnuHelpMe")->trigger();
    s.Get<QAction>("MnuAbout")->trigger();
    QTest::mouseClick(s.Get<QPushButton>("CmdSecond"), Qt::LeftButton);
    ASSERT_EQ(log.shown.size(), 3u);
    EXPECT_EQ(log.shown[0].className, "QMessageBox");
    EXPECT_EQ(log.shown[0].title, "Fixturo");
    EXPECT_EQ(log.shown[0].text, "Insert the result or update online, if all teams are pair you can choose "
                                 "'Manual Order' from Menu File.");
    EXPECT_EQ(log.shown[1].className, "fixturo::FrmAbout");
    EXPECT_TRUE(aboutClosedByPicture);
    EXPECT_EQ(log.shown[2].className, "fixturo::Frm2Round");
    EXPECT_FALSE(QFile::exists(s.path)) << "none of them refreshes or saves";
}

TEST(MainWindowSaving, AKnockoutResultIsSavedWhenItsDialogCloses)
{
    Session s;
    QByteArray savedWhileBracketOpen;
    ModalDriver bracket([&](QWidget *window) {
        ModalDriver dialog(
            [](QWidget *modal) {
                QTest::keyClicks(modal->findChild<QLineEdit *>("txtScore_0"), "2");
                QTest::keyClicks(modal->findChild<QLineEdit *>("txtScore_1"), "1");
                QTest::mouseClick(modal->findChild<QPushButton *>("bOk"), Qt::LeftButton);
            },
            window);
        QTest::mouseClick(window->findChild<QLabel *>("lblMatch_28"), Qt::LeftButton);
        EXPECT_TRUE(dialog.Fired());
        savedWhileBracketOpen = FileContent(s.path);
        window->close();
    });
    QTest::mouseClick(s.Get<QPushButton>("CmdSecond"), Qt::LeftButton);
    ASSERT_TRUE(bracket.Fired());
    EXPECT_EQ(savedWhileBracketOpen.split('|').value(24), "2,1");
}

TEST(MainWindowMenus, HiddenCommandSortsGroupAOnly)
{
    Session s;
    for (const int row : {0, 2}) { // Czech Republic and Croatia win 1:0, not yet sorted
        s.vars.MatchTable[row][Match::goals1] = "0";
        s.vars.MatchTable[row][Match::goals2] = "1";
    }
    SetStatisticVars(s.vars);
    s.Get<QPushButton>("Command1")->click();
    EXPECT_EQ(s.Text("lblTeam_0"), "Czech Republic");
    EXPECT_EQ(s.Text("lblTable_0"), "3  1 0 0 1  0");
    EXPECT_EQ(s.Order(1), QStringList({"Austria", "Croatia", "Germany", "Poland"}));
}

TEST(MainWindowLinks, ATeamNameOpensItsArticle)
{
    Session s;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Open");
    QTest::mouseClick(s.Get("lblTeam_5"), Qt::LeftButton);
    s.Get("lblTeam_15")->setText("Winner Grp D"); // a caption that is no team
    QTest::mouseClick(s.Get("lblTeam_15"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(catcher.urls,
              QList<QUrl>({QUrl("https://en.wikipedia.org/wiki/Croatia_national_football_team")}));
}

#include "main_window_test.moc"
