#include "gui_util.h"

#include "ui/FrmAbout.h"
#include "ui/FrmMain.h"
#include "ui/Pictures.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using namespace fixturo;
using namespace fixturo::test;

namespace {

// A shown main window on a results file in a fresh folder, holding `content` when given.
struct Session {
    explicit Session(const QByteArray &content = {})
        : path(dir.filePath("results.txt")),
          window((content.isEmpty() || WriteBytes(path, content), vars), path)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QString Text(const QString &name) const { return NamedChild(window, name)->text(); }
    QLabel *Line(int i) const { return NamedChild(window, QStringLiteral("lblDailySched_%1").arg(i)); }
    QStringList Order(int g) const
    {
        QStringList names;
        for (int i = 0; i < kTeamsPerGroup; ++i)
            names << Text(QStringLiteral("lblTeam_%1").arg(kTeamsPerGroup * g + i));
        return names;
    }
    bool Flag(const QString &name, const QString &team) const
    {
        return NamedChild(window, name)->pixmap().toImage() == FlagPicture(team).toImage();
    }

    QTemporaryDir dir;
    QString path;
    ModVars vars;
    FrmMain window;
};

void EnterResult(QWidget *dialog, const QString &g1, const QString &g2)
{
    QTest::keyClicks(NamedChild<QLineEdit>(*dialog, "txtScore_0"), g1);
    QTest::keyClicks(NamedChild<QLineEdit>(*dialog, "txtScore_1"), g2);
    QTest::mouseClick(NamedChild<QPushButton>(*dialog, "bOk"), Qt::LeftButton);
}

// Moves the pointer onto a control from the window's corner, so that the window system reports the move.
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
    return line->autoFillBackground() &&
           line->palette().color(QPalette::Window) == QApplication::palette().color(QPalette::Button);
}

} // namespace

TEST(MainWindow, StartsFromTheResultsFileOrWithoutOne)
{
    Session fresh;
    EXPECT_EQ(fresh.Order(3), QStringList({"Greece", "Russia", "Spain", "Sweden"}));
    EXPECT_EQ(fresh.Text("lblTable_15"), "0  0 0 0 0  0");
    EXPECT_EQ(NamedChild<QGroupBox>(fresh.window, "frGroup_2")->title(), "GROUP C      Pts W D L GF GA");
    EXPECT_EQ(fresh.Line(23)->text(), "Wednesday 18 June 2008   Russia  -  Sweden");
    EXPECT_TRUE(fresh.Flag("ImgFlagRound_0", "Switzerland") && fresh.Flag("ImgFlagRound_47", "Sweden"));
    EXPECT_FALSE(QFile::exists(fresh.path)) << "starting writes nothing";
    EXPECT_EQ(fresh.window.centralWidget()->size(), QSize(836, 484));
    EXPECT_EQ(NamedChild(fresh.window, "v")->palette().color(QPalette::Window), QColor(0, 64, 64));

    // Group A played: Portugal and Turkey on 6, Czech Republic beat Switzerland.
    ModVars played = FreshState();
    for (const auto &[row, g1, g2] : {std::tuple{0, "0", "1"},
                                      {1, "2", "0"},
                                      {8, "1", "3"},
                                      {9, "1", "2"},
                                      {16, "2", "0"},
                                      {17, "3", "2"}})
        SetScore(played, row, g1, g2);
    Session s(ResultsLine(played));
    EXPECT_EQ(s.Order(0), QStringList({"Portugal", "Turkey", "Czech Republic", "Switzerland"}));
    EXPECT_EQ(s.Text("lblTable_0") + "/" + s.Text("lblTable_3"), "6  2 0 1 5  3/3  1 0 2 3  3");
    EXPECT_TRUE(s.Flag("ImgFlag_2", "Czech Republic") && s.Flag("ImgFlag_3", "Switzerland"));
    EXPECT_EQ(s.Line(0)->text(), "Saturday 7 June 2008   Switzerland 0 - 1 Czech Republic");
    EXPECT_EQ(Pair(s.vars, 24) + " / " + Pair(s.vars, 25),
              "Portugal - Runner-up Grp B / Winner Grp B - Turkey");
}

TEST(MainWindow, PointerHighlightsTheScheduleLineUnderIt)
{
    Session s;
    PointAt(s.Line(3));
    EXPECT_TRUE(s.vars.SelectedMatch == 3 && Highlighted(s.Line(3)));
    PointAt(s.Line(7));
    EXPECT_TRUE(!Highlighted(s.Line(3)) && Highlighted(s.Line(7)));
    PointAt(NamedChild(s.window, "ImgFlagRound_20"));
    EXPECT_TRUE(Highlighted(s.Line(7))) << "a flag is no line";
    // Off the lines, over the panel: the look goes, the selection stays.
    QLabel *panel = NamedChild(s.window, "v");
    PointAt(panel, QPoint(2, panel->height() / 2));
    EXPECT_FALSE(Highlighted(s.Line(7)));
    EXPECT_EQ(s.vars.SelectedMatch, 7);
}

// A result typed in the dialog, or the dialog closed unchanged: the tables are refreshed and saved.
TEST(MainWindow, AResultDialogLeadsToARefreshAndASave)
{
    Session s;
    OnModal([&](QWidget *dialog) { EnterResult(dialog, "2", "1"); });
    QTest::mouseClick(s.Line(5), Qt::LeftButton); // with no pointer move first
    EXPECT_EQ(s.Line(5)->text(), "Monday 9 June 2008   Netherlands 2 - 1 Italy");
    EXPECT_EQ(s.Text("lblTeam_8") + s.Text("lblTable_8"), "Netherlands3  1 0 0 2  1");
    EXPECT_TRUE(s.Flag("ImgFlagC_0", "Netherlands"));
    EXPECT_EQ(FileBytes(s.path), ResultsLine(s.vars));

    SetScore(s.vars, 1, "3", "0");
    OnModal([](QWidget *) {});
    QTest::mouseClick(s.Line(0), Qt::LeftButton);
    EXPECT_TRUE(s.Line(1)->text().endsWith("Portugal 3 - 0 Turkey"));
    EXPECT_EQ(FileBytes(s.path), ResultsLine(s.vars));
    // The close box saves too.
    SetScore(s.vars, 0, "1", "0");
    s.window.close();
    EXPECT_TRUE(FileBytes(s.path).startsWith("1,0|"));
}

TEST(MainWindow, AboutKnockoutResultsAndTeamLinks)
{
    Session s;
    // The about window: its picture drawn, closed by a left click on it only.
    bool stayedOpen = false;
    OnModal([&](QWidget *about) {
        EXPECT_TRUE(qobject_cast<FrmAbout *>(about));
        QLabel *picture = NamedChild(*about, "Image1");
        const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown.copy(0, 0, 600, 400),
                  AboutPicture().toImage().convertToFormat(QImage::Format_RGB32).copy(0, 0, 600, 400));
        QTest::mouseClick(picture, Qt::RightButton);
        stayedOpen = about->isVisible();
        QTest::mouseClick(picture, Qt::LeftButton);
    });
    NamedChild<QAction>(s.window, "MnuAbout")->trigger();
    EXPECT_TRUE(stayedOpen);
    // A knockout result is saved as soon as its dialog closes, the bracket still open.
    QByteArray savedWhileOpen;
    OnModal([&](QWidget *bracket) {
        OnModal([](QWidget *dialog) { EnterResult(dialog, "2", "1"); }, bracket);
        QTest::mouseClick(NamedChild(*bracket, "lblMatch_28"), Qt::LeftButton);
        savedWhileOpen = FileBytes(s.path);
    });
    QTest::mouseClick(NamedChild<QPushButton>(s.window, "CmdSecond"), Qt::LeftButton);
    EXPECT_EQ(savedWhileOpen.split('|').value(24), "2,1");

    UrlCatcher catcher;
    QTest::mouseClick(NamedChild(s.window, "lblTeam_5"), Qt::LeftButton);
    NamedChild(s.window, "lblTeam_15")->setText("Winner Grp D");
    QTest::mouseClick(NamedChild(s.window, "lblTeam_15"), Qt::LeftButton);
    EXPECT_EQ(catcher.urls,
              QList<QUrl>({QUrl("https://en.wikipedia.org/wiki/Croatia_national_football_team")}));
}

TEST(Pictures, FlagsFoundByNameAndEveryPictureAtItsSize)
{
    QList<QImage> seen;
    for (const QString &team : QString::fromLatin1(kInitialTeamList).split(u',').mid(1)) {
        const QPixmap flag = FlagPicture(team);
        const QSize size = QSize(20, team == "Croatia" ? 10 : team == "Germany" ? 12 : 13);
        EXPECT_EQ(flag.deviceIndependentSize().toSize(), size) << team.toStdString();
        EXPECT_FALSE(flag.hasAlphaChannel() || seen.contains(flag.toImage())) << team.toStdString();
        seen << flag.toImage();
    }
    EXPECT_EQ(FlagPicture(" czech  REPUBLIC ").toImage(), FlagPicture("Czech Republic").toImage());
    for (const char *name : {"Winner Grp A", "", "Czech"})
        EXPECT_TRUE(FlagPicture(name).isNull()) << name;
    EXPECT_EQ(StadiumPicture(Stadium::JakobPark).deviceIndependentSize().toSize(), QSize(564, 372));
    EXPECT_EQ(StadiumPicture(Stadium::ErnstHappel).deviceIndependentSize().toSize(), QSize(200, 73));
    for (const auto &[cursor, side] : {std::pair{MatchCursor(), 16}, {CrossCursor(), 32}, {LinkCursor(), 32}})
        EXPECT_EQ(cursor.pixmap().size(), QSize(side, side));
    EXPECT_GT(qAlpha(LinkCursor().pixmap().toImage().pixel(LinkCursor().hotSpot())), 0);
}
