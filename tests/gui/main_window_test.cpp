#include "gui_util.h"

#include "groups/Standings.h"
#include "storage/ResultsFile.h"
#include "ui/Frm2Round.h"
#include "ui/FrmAbout.h"
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
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>

#include <vector>

using namespace fixturo;
using namespace fixturo::test;

namespace {

// Answers every modal window that opens while it lives: records it, hands it
// to the hook, then closes it (message boxes with OK). A download's progress
// dialog is left to run. Nothing waits here, so a test never hangs on it.
class ModalLog : public QObject {
public:
    struct Shown {
        QString className;
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };
    using Hook = std::function<void(QWidget *)>;

    explicit ModalLog(Hook hook = {}) : m_hook(std::move(hook))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { Poll(); });
        m_timer.start();
    }

    const std::vector<Shown> &shown() const { return m_shown; }

    std::vector<Shown> Boxes() const
    {
        std::vector<Shown> boxes;
        for (const Shown &s : m_shown)
            if (s.className == "QMessageBox")
                boxes.push_back(s);
        return boxes;
    }

private:
    void Poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || qobject_cast<QProgressDialog *>(modal))
            return;
        Shown shown{QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle(), {}, {}, {}};
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            shown.text = box->text();
            shown.icon = box->icon();
            shown.buttons = box->standardButtons();
        }
        m_shown.push_back(shown);
        if (m_hook)
            m_hook(modal);
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            box->accept();
        else if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }

    Hook m_hook;
    QTimer m_timer;
    std::vector<Shown> m_shown;
};

// Receives the addresses that the program hands to the web browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl &url) { urls << url; }
};

template <typename T = QLabel> T *Child(const QWidget &window, const QString &name)
{
    T *child = window.findChild<T *>(name);
    if (!child)
        ADD_FAILURE() << "no control " << name.toStdString();
    return child;
}

QString Text(const QWidget &window, const QString &name)
{
    const QLabel *label = Child(window, name);
    return label ? label->text() : QString();
}

QAction *Action(const QWidget &window, const QString &name)
{
    QAction *action = window.findChild<QAction *>(name);
    if (!action)
        ADD_FAILURE() << "no menu item " << name.toStdString();
    return action;
}

// The names of group g as the window shows them, top to bottom.
QStringList ShownOrder(const QWidget &window, int g)
{
    QStringList names;
    for (int i = 0; i < kTeamsPerGroup; ++i)
        names << Text(window, QStringLiteral("lblTeam_%1").arg(kTeamsPerGroup * g + i));
    return names;
}

bool SamePicture(const QLabel *label, const QString &team)
{
    const QPixmap expected = FlagPicture(team);
    return label && !expected.isNull() && label->pixmap().toImage() == expected.toImage();
}

QByteArray FileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// A results line with the given scores set on the fixture.
QByteArray LineWith(const std::vector<std::pair<int, std::pair<QString, QString>>> &scores)
{
    ModVars vars;
    InitFixtureData(vars);
    for (const auto &[row, goals] : scores) {
        vars.MatchTable[row][Match::goals1] = goals.first;
        vars.MatchTable[row][Match::goals2] = goals.second;
    }
    return ResultsLine(vars);
}

// Moves the pointer over a point of a control (its centre by default), as the
// window system reports it: enter and move events reach whatever lies there.
void PointAt(QWidget *widget, QPoint local = {})
{
    ASSERT_TRUE(widget);
    if (local.isNull())
        local = widget->rect().center();
    QWidget *top = widget->window();
    // A move to where the pointer already is reports nothing: come from the
    // menu bar's corner, where no control listens.
    QTest::mouseMove(top->windowHandle(), QPoint(1, 1));
    QTest::mouseMove(top->windowHandle(), widget->mapTo(top, local));
    QApplication::processEvents();
}

void ShowAndWait(QWidget &window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
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

// Group A complete: Portugal and Turkey on 6 points (Portugal won their match),
// Czech Republic and Switzerland on 3 (Czech Republic won theirs).
const std::vector<std::pair<int, std::pair<QString, QString>>> kGroupAPlayed{
    {0, {"0", "1"}},  // Switzerland - Czech Republic
    {1, {"2", "0"}},  // Portugal - Turkey
    {8, {"1", "3"}},  // Czech Republic - Portugal
    {9, {"1", "2"}},  // Switzerland - Turkey
    {16, {"2", "0"}}, // Switzerland - Portugal
    {17, {"3", "2"}}, // Turkey - Czech Republic
};

} // namespace

TEST(MainWindowStart, FirstStartShowsTheFixtureWithoutResults)
{
    QTemporaryDir dir;
    ModVars vars;
    FrmMain window(vars, dir.filePath("results.txt"));

    EXPECT_EQ(window.windowTitle(), "Fixturo");
    EXPECT_EQ(ShownOrder(window, 0), QStringList({"Portugal", "Turkey", "Switzerland", "Czech Republic"}));
    EXPECT_EQ(ShownOrder(window, 3), QStringList({"Greece", "Russia", "Spain", "Sweden"}));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(Text(window, QStringLiteral("lblTable_%1").arg(i)), "0  0 0 0 0  0") << i;
    EXPECT_EQ(Child<QGroupBox>(window, "frGroup_2")->title(), "GROUP C      Pts W D L GF GA");

    EXPECT_EQ(Text(window, "lblDailySched_0"), "Saturday 7 June 2008   Switzerland  -  Czech Republic");
    EXPECT_EQ(Text(window, "lblDailySched_23"), "Wednesday 18 June 2008   Russia  -  Sweden");
    EXPECT_EQ(vars.MatchTable[24][Match::team1], "Winner Grp A");

    EXPECT_TRUE(SamePicture(Child(window, "ImgFlagRound_0"), "Switzerland"));
    EXPECT_TRUE(SamePicture(Child(window, "ImgFlagRound_1"), "Czech Republic"));
    EXPECT_TRUE(SamePicture(Child(window, "ImgFlagD_2"), "Spain"));
    // Starting writes nothing.
    EXPECT_FALSE(QFile::exists(dir.filePath("results.txt")));
}

TEST(MainWindowStart, StartsFromTheResultsFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("results.txt");
    WriteFile(path, LineWith(kGroupAPlayed));
    ModVars vars;
    FrmMain window(vars, path);

    EXPECT_EQ(ShownOrder(window, 0), QStringList({"Portugal", "Turkey", "Czech Republic", "Switzerland"}));
    EXPECT_EQ(Text(window, "lblTable_0"), "6  2 0 1 5  3");
    EXPECT_EQ(Text(window, "lblTable_3"), "3  1 0 2 3  3");
    // Name, line and flag of a team move together.
    EXPECT_TRUE(SamePicture(Child(window, "ImgFlag_2"), "Czech Republic"));
    EXPECT_TRUE(SamePicture(Child(window, "ImgFlag_3"), "Switzerland"));
    EXPECT_EQ(ShownOrder(window, 1), QStringList({"Austria", "Croatia", "Germany", "Poland"}));

    EXPECT_EQ(Text(window, "lblDailySched_0"), "Saturday 7 June 2008   Switzerland 0 - 1 Czech Republic");
    EXPECT_EQ(Text(window, "lblDailySched_16"), "Sunday 15 June 2008   Switzerland 2 - 0 Portugal");
    EXPECT_EQ(Text(window, "lblDailySched_2"), "Sunday 8 June 2008   Austria  -  Croatia");

    // Group A is complete: its winner and runner-up stand in the quarter-finals.
    EXPECT_EQ(vars.MatchTable[24][Match::team1], "Portugal");
    EXPECT_EQ(vars.MatchTable[25][Match::team2], "Turkey");
    EXPECT_EQ(vars.MatchTable[24][Match::team2], "Runner-up Grp B");
}

TEST(MainWindowLayout, ClientAreaAndSchedulePanel)
{
    QTemporaryDir dir;
    ModVars vars;
    FrmMain window(vars, dir.filePath("results.txt"));
    ShowAndWait(window);

    EXPECT_EQ(window.centralWidget()->size(), QSize(836, 484));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window cannot be resized";

    const QRect client = window.centralWidget()->rect();
    // The panel reaches one pixel past the client area; what shows of it holds
    // every line and its flags.
    const QRect panel = Child(window, "v")->geometry() & client;
    EXPECT_TRUE(panel.contains(Child(window, "lblDaily")->geometry()));
    for (int i = 0; i < kGroupMatchCount; ++i) {
        const QRect line = Child(window, QStringLiteral("lblDailySched_%1").arg(i))->geometry();
        const QRect flag1 = Child(window, QStringLiteral("ImgFlagRound_%1").arg(2 * i))->geometry();
        const QRect flag2 = Child(window, QStringLiteral("ImgFlagRound_%1").arg(2 * i + 1))->geometry();
        EXPECT_TRUE(panel.contains(line) && panel.contains(flag1) && panel.contains(flag2)) << "line " << i;
        EXPECT_LE(line.right(), flag1.left()) << "line " << i;
        EXPECT_LT(flag1.left(), flag2.left());
    }
    for (int g = 0; g < kGroupCount; ++g) {
        const QRect box = Child<QGroupBox>(window, QStringLiteral("frGroup_%1").arg(g))->geometry();
        EXPECT_TRUE(client.contains(box));
        EXPECT_FALSE(box.intersects(panel));
    }
    EXPECT_EQ(Child(window, "lblTeam_7")->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(Child<QPushButton>(window, "Command1")->isHidden());
    EXPECT_TRUE(Child<QPushButton>(window, "CmdSecond")->isVisible());
}

TEST(MainWindowSchedule, PointerHighlightsTheLineUnderIt)
{
    QTemporaryDir dir;
    ModVars vars;
    FrmMain window(vars, dir.filePath("results.txt"));
    ShowAndWait(window);
    QLabel *panel = Child(window, "v");
    QLabel *line3 = Child(window, "lblDailySched_3");
    QLabel *line7 = Child(window, "lblDailySched_7");
    for (int i = 0; i < kGroupMatchCount; ++i)
        EXPECT_TRUE(NormalLook(Child(window, QStringLiteral("lblDailySched_%1").arg(i)))) << i;

    PointAt(line3);
    EXPECT_EQ(vars.SelectedMatch, 3);
    EXPECT_TRUE(Highlighted(line3));

    PointAt(line7);
    EXPECT_EQ(vars.SelectedMatch, 7);
    EXPECT_TRUE(NormalLook(line3));
    EXPECT_TRUE(Highlighted(line7));

    // Over the heading and the flags nothing changes.
    PointAt(Child(window, "lblDaily"));
    PointAt(Child(window, "ImgFlagRound_20"));
    EXPECT_TRUE(Highlighted(line7));

    // Off the lines, over the panel: the look goes, the selection stays.
    PointAt(panel, QPoint(panel->width() / 2, panel->height() - 3));
    EXPECT_TRUE(NormalLook(line7));
    EXPECT_EQ(vars.SelectedMatch, 7);
}

TEST(MainWindowSchedule, SelectionLeftByTheBracketRestoresNoLine)
{
    QTemporaryDir dir;
    ModVars vars;
    FrmMain window(vars, dir.filePath("results.txt"));
    ShowAndWait(window);
    QLabel *panel = Child(window, "v");
    QLabel *line5 = Child(window, "lblDailySched_5");
    QLabel *line3 = Child(window, "lblDailySched_3");

    PointAt(line5);
    vars.SelectedMatch = 27; // a quarter-final, pointed at in the bracket window
    PointAt(panel, QPoint(2, panel->height() / 2));
    EXPECT_EQ(vars.SelectedMatch, 27);
    EXPECT_TRUE(Highlighted(line5)) << "row 27 has no line to restore";

    PointAt(line3);
    EXPECT_EQ(vars.SelectedMatch, 3);
    EXPECT_TRUE(Highlighted(line3));
}

TEST(MainWindowSchedule, ClickOpensTheResultDialogThenRefreshesAndSaves)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("results.txt");
    ModVars vars;
    FrmMain window(vars, path);
    ShowAndWait(window);

    int selectedWhileOpen = -1;
    bool modalWhileOpen = false;
    ModalLog log([&](QWidget *modal) {
        if (!qobject_cast<FrmMatch *>(modal))
            return;
        selectedWhileOpen = vars.SelectedMatch;
        modalWhileOpen = modal->isModal() || modal->windowModality() != Qt::NonModal;
        // Netherlands 2, Italy 1, typed into the result dialog and confirmed.
        QTest::keyClicks(modal->findChild<QLineEdit *>("txtScore_0"), "2");
        QTest::keyClicks(modal->findChild<QLineEdit *>("txtScore_1"), "1");
        QTest::mouseClick(modal->findChild<QPushButton *>("bOk"), Qt::LeftButton);
    });

    // No pointer move first: the click alone selects the line.
    QTest::mouseClick(Child(window, "lblDailySched_5"), Qt::LeftButton);
    ASSERT_EQ(log.shown().size(), 1u);
    EXPECT_EQ(log.shown()[0].className, "fixturo::FrmMatch");
    EXPECT_EQ(selectedWhileOpen, 5);
    EXPECT_TRUE(modalWhileOpen);

    EXPECT_EQ(Text(window, "lblDailySched_5"), "Monday 9 June 2008   Netherlands 2 - 1 Italy");
    EXPECT_EQ(Text(window, "lblTeam_8"), "Netherlands");
    EXPECT_EQ(Text(window, "lblTable_8"), "3  1 0 0 2  1");
    EXPECT_TRUE(SamePicture(Child(window, "ImgFlagC_0"), "Netherlands"));
    EXPECT_TRUE(Highlighted(Child(window, "lblDailySched_5")));

    const QByteArray saved = FileContent(path);
    EXPECT_EQ(saved, ResultsLine(vars));
    EXPECT_EQ(saved.split('|').value(5), "2,1");

    // Closing without a change still refreshes and saves.
    QFile::remove(path);
    QTest::mouseClick(Child(window, "lblDailySched_0"), Qt::LeftButton);
    EXPECT_EQ(log.shown().size(), 2u);
    EXPECT_EQ(FileContent(path), ResultsLine(vars));
    EXPECT_TRUE(log.Boxes().empty());
}

TEST(MainWindowSaving, AFailedSaveIsReportedOnceUntilASaveSucceeds)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("missing");
    const QString path = folder + "/results.txt";
    ModVars vars;
    FrmMain window(vars, path);
    ShowAndWait(window);
    ModalLog log;

    QTest::mouseClick(Child(window, "lblDailySched_0"), Qt::LeftButton);
    QTest::mouseClick(Child(window, "lblDailySched_1"), Qt::LeftButton);
    ASSERT_EQ(log.Boxes().size(), 1u);
    const ModalLog::Shown box = log.Boxes()[0];
    EXPECT_EQ(box.title, "Fixturo");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_TRUE(box.text.contains(QDir::toNativeSeparators(path))) << box.text.toStdString();

    ASSERT_TRUE(QDir().mkpath(folder));
    QTest::mouseClick(Child(window, "lblDailySched_2"), Qt::LeftButton);
    EXPECT_EQ(FileContent(path), ResultsLine(vars));
    EXPECT_EQ(log.Boxes().size(), 1u);

    ASSERT_TRUE(QDir(folder).removeRecursively());
    QTest::mouseClick(Child(window, "lblDailySched_3"), Qt::LeftButton);
    EXPECT_EQ(log.Boxes().size(), 2u) << "a new failure after a success is reported again";

    // At the end the failure has been reported already: no further box.
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(log.Boxes().size(), 2u);
    EXPECT_EQ(log.shown().size(), 6u); // four result dialogs, two boxes
}

TEST(MainWindowSaving, AFailedSaveAtTheEndIsReportedAndTheWindowCloses)
{
    QTemporaryDir dir;
    ModVars vars;
    FrmMain window(vars, dir.filePath("missing/results.txt"));
    ShowAndWait(window);
    ModalLog log;
    Action(window, "MnuExit")->trigger();
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(log.Boxes().size(), 1u);
    EXPECT_EQ(log.Boxes()[0].icon, QMessageBox::Critical);
}

TEST(MainWindowSaving, ExitAndTheCloseBoxSaveTheResults)
{
    for (const bool byMenu : {true, false}) {
        SCOPED_TRACE(byMenu ? "Exit" : "close box");
        QTemporaryDir dir;
        const QString path = dir.filePath("results.txt");
        ModVars vars;
        FrmMain window(vars, path);
        ShowAndWait(window);
        vars.MatchTable[0][Match::goals1] = "1";
        vars.MatchTable[0][Match::goals2] = "0";
        EXPECT_FALSE(QFile::exists(path));

        ModalLog log;
        if (byMenu)
            Action(window, "MnuExit")->trigger();
        else
            window.close();
        EXPECT_FALSE(window.isVisible());
        const QByteArray saved = FileContent(path);
        EXPECT_EQ(saved, ResultsLine(vars));
        EXPECT_TRUE(saved.startsWith("1,0|"));
        EXPECT_TRUE(log.shown().empty());
    }
}

TEST(MainWindowMenus, HelpAndAboutAreModal)
{
    QTemporaryDir dir;
    ModVars vars;
    FrmMain window(vars, dir.filePath("results.txt"));
    ShowAndWait(window);

    QString title;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;
    QString text;
    {
        ModalDriver driver([&](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                title = box->windowTitle();
                icon = box->icon();
                buttons = box->standardButtons();
            }
            text = AcceptMessageBox(modal);
        });
        Action(window, "MnuHelpMe")->trigger();
        EXPECT_TRUE(driver.Fired());
    }
    EXPECT_EQ(text,
              "Insert the result or update online, if all teams are pair you can choose 'Manual Order' from "
              "Menu File.");
    EXPECT_EQ(title, "Fixturo");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, QMessageBox::Ok);

    bool aboutOpened = false;
    {
        ModalDriver driver([&](QWidget *modal) {
            aboutOpened = qobject_cast<FrmAbout *>(modal) != nullptr;
            auto *picture = modal->findChild<QLabel *>("Image1");
            if (picture)
                QTest::mouseClick(picture, Qt::LeftButton);
            if (modal->isVisible()) {
                ADD_FAILURE() << "a click on the picture did not close the about window";
                modal->close();
            }
        });
        Action(window, "MnuAbout")->trigger();
        EXPECT_TRUE(driver.Fired());
    }
    EXPECT_TRUE(aboutOpened);
}

TEST(MainWindowMenus, SecondRoundOpensTheBracketAndNothingElse)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("results.txt");
    ModVars vars;
    FrmMain window(vars, path);
    ShowAndWait(window);
    ModalLog log;

    QTest::mouseClick(Child<QPushButton>(window, "CmdSecond"), Qt::LeftButton);
    ASSERT_EQ(log.shown().size(), 1u);
    EXPECT_EQ(log.shown()[0].className, "fixturo::Frm2Round");
    EXPECT_FALSE(QFile::exists(path)) << "no refresh and no save after the bracket window";
}

TEST(MainWindowMenus, HiddenCommandSortsGroupAOnly)
{
    QTemporaryDir dir;
    ModVars vars;
    FrmMain window(vars, dir.filePath("results.txt"));
    // Results known to the statistics but not yet sorted.
    vars.MatchTable[0][Match::goals1] = "0"; // Switzerland 0 - 1 Czech Republic
    vars.MatchTable[0][Match::goals2] = "1";
    vars.MatchTable[2][Match::goals1] = "0"; // Austria 0 - 1 Croatia
    vars.MatchTable[2][Match::goals2] = "1";
    SetStatisticVars(vars);

    Child<QPushButton>(window, "Command1")->click();
    EXPECT_EQ(Text(window, "lblTeam_0"), "Czech Republic");
    EXPECT_EQ(Text(window, "lblTable_0"), "3  1 0 0 1  0");
    EXPECT_EQ(ShownOrder(window, 1), QStringList({"Austria", "Croatia", "Germany", "Poland"}));
}

TEST(MainWindowLinks, ATeamNameOpensItsArticle)
{
    QTemporaryDir dir;
    ModVars vars;
    FrmMain window(vars, dir.filePath("results.txt"));
    ShowAndWait(window);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Open");

    QTest::mouseClick(Child(window, "lblTeam_5"), Qt::LeftButton);
    QTest::mouseClick(Child(window, "lblTeam_0"), Qt::LeftButton);
    // A caption that is no team opens nothing.
    Child(window, "lblTeam_15")->setText("Winner Grp D");
    QTest::mouseClick(Child(window, "lblTeam_15"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");

    EXPECT_EQ(catcher.urls,
              QList<QUrl>({QUrl("https://en.wikipedia.org/wiki/Croatia_national_football_team"),
                           QUrl("https://en.wikipedia.org/wiki/Portugal_national_football_team")}));
}

#include "main_window_test.moc"
