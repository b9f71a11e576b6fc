// The windows one at a time: the main window, the result dialog, the bracket and
// the manual order window, each on its own rules.

#include "gui_util.h"

#include "ui/Frm2Round.h"
#include "ui/FrmAbout.h"
#include "ui/FrmMain.h"
#include "ui/FrmMatch.h"
#include "ui/FrmSelectMan.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

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
    QLabel *Line(int i) const { return NamedChild(window, QStringLiteral("lblDailySched_%1").arg(i)); }
    bool Flag(const QString &name, const QString &team) const
    {
        return NamedChild(window, name)->pixmap().toImage() == FlagPicture(team).toImage();
    }
    QTemporaryDir dir;
    QString path;
    ModVars vars;
    FrmMain window;
};

// Retypes the result dialog's first boxes, an empty text clearing one, then presses OK when asked.
void EnterScores(const QWidget &dialog, const QStringList &scores, bool ok = true)
{
    for (int i = 0; i < scores.size(); ++i) {
        auto *box = NamedChild<QLineEdit>(dialog, QStringLiteral("txtScore_%1").arg(i));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, scores[i]);
    }
    if (ok)
        QTest::mouseClick(NamedChild<QPushButton>(dialog, "bOk"), Qt::LeftButton);
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

TEST(MainWindow, StartsFromTheResultsFileOrWithoutOne)
{
    Session fresh;
    EXPECT_EQ(Texts(fresh.window, {"lblTeam_12", "lblTeam_13", "lblTeam_14", "lblTeam_15", "lblTable_15",
                                   "lblDailySched_23"}),
              "Greece|Russia|Spain|Sweden|0  0 0 0 0  0|Wednesday 18 June 2008   Russia  -  Sweden");
    EXPECT_TRUE(fresh.Flag("ImgFlagRound_0", "Switzerland") && fresh.Flag("ImgFlagRound_47", "Sweden"));
    EXPECT_FALSE(QFile::exists(fresh.path)) << "starting writes nothing";
    EXPECT_EQ(NamedChild(fresh.window, "v")->palette().color(QPalette::Window), QColor(0, 64, 64));

    // Group A played: Portugal and Turkey on 6, Czech Republic beat Switzerland.
    ModVars played = FreshState();
    const QStringList goals = QString("0 1 2 0 1 3 1 2 2 0 3 2").split(' ');
    for (int i = 0; const int row : {0, 1, 8, 9, 16, 17})
        SetScore(played, row, goals[2 * i], goals[2 * i + 1]), ++i;
    Session s(ResultsLine(played));
    EXPECT_EQ(Texts(s.window, {"lblTeam_0", "lblTeam_1", "lblTeam_2", "lblTeam_3", "lblTable_0", "lblTable_3",
                               "lblDailySched_0"}),
              "Portugal|Turkey|Czech Republic|Switzerland|6  2 0 1 5  3|3  1 0 2 3  3|"
              "Saturday 7 June 2008   Switzerland 0 - 1 Czech Republic");
    EXPECT_TRUE(s.Flag("ImgFlag_2", "Czech Republic") && s.Flag("ImgFlag_3", "Switzerland"));

    UrlCatcher catcher; // a team's name opens its page
    QTest::mouseClick(NamedChild(s.window, "lblTeam_5"), Qt::LeftButton);
    EXPECT_EQ(catcher.urls,
              QList<QUrl>({QUrl("https://en.wikipedia.org/wiki/Croatia_national_football_team")}));

    // A file that a save would not write back the same is copied first, and that is told.
    const QByteArray unreadable = "\r\n1,0|2,2|what a save would lose\r\n";
    QStringList seen;
    AnswerMessage(&seen);
    Session kept(unreadable);
    EXPECT_TRUE(QTest::qWaitFor([] { return PendingMessageAnswers() == 0; }, 5000));
    EXPECT_TRUE(seen.value(0).contains(QDir::toNativeSeparators(kept.path + ".bak")));
    EXPECT_EQ(FileBytes(kept.path + ".bak"), unreadable);
}

TEST(MainWindow, PointerHighlightsTheScheduleLineUnderIt)
{
    Session s;
    PointAt(s.Line(3));
    EXPECT_TRUE(s.vars.SelectedMatch == 3 && Highlighted(s.Line(3)));
    PointAt(s.Line(7));
    EXPECT_TRUE(!Highlighted(s.Line(3)) && Highlighted(s.Line(7)));
    // Off the lines, over the panel: the look goes, the selection stays.
    QLabel *panel = NamedChild(s.window, "v");
    PointAt(panel, QPoint(2, panel->height() / 2));
    EXPECT_FALSE(Highlighted(s.Line(7)));
    EXPECT_EQ(s.vars.SelectedMatch, 7);
    // A knockout match chosen in the bracket: the highlighted line still goes back.
    PointAt(s.Line(5));
    s.vars.SelectedMatch = 27;
    PointAt(panel, QPoint(2, panel->height() / 2));
    EXPECT_FALSE(Highlighted(s.Line(5)));
}

// The export items write the file picked in the file dialog; a name without an extension takes the
// chosen type's.
TEST(MainWindow, ExportsToTheFileChosenInTheDialog)
{
    Session s;
    // clang-format off
    for (const auto &[item, type, name, written, start] : {
             std::tuple{"MnuExport", "SVG drawing (*.svg)", "drawing", "drawing.svg", "<?xml"}, {"MnuExport", "PNG picture (*.png)", "picture", "picture.png", "\x89PNG"},
             {"MnuExport", "PNG picture (*.png)", "document.pdf", "document.pdf", "%PDF"}, {"MnuExportCsv", "CSV file (*.csv)", "list", "list", "Number,"}}) {
        // clang-format on
        OnNext<QFileDialog>([&s, type = type, name = name](QFileDialog *dialog) {
            dialog->setOption(QFileDialog::DontConfirmOverwrite); // no question that could wait unanswered
            dialog->selectNameFilter(QString::fromLatin1(type));
            NamedChild<QLineEdit>(*dialog, "fileNameEdit")
                ->setText(s.dir.filePath(QString::fromLatin1(name)));
            static_cast<QDialog *>(dialog)->accept();
        });
        NamedChild<QAction>(s.window, item)->trigger();
        EXPECT_TRUE(FileBytes(s.dir.filePath(QString::fromLatin1(written))).startsWith(start)) << written;
    }
}

class MatchDialog : public ::testing::Test {
protected:
    // Sets the row's goals and penalties ("g1|g2|p1|p2") when given, then opens the dialog on it.
    void Open(int row, const QString &scores = {})
    {
        for (int i = 0; const QString &score : scores.split(u'|', Qt::SkipEmptyParts))
            m_vars.MatchTable[row][Match::goals1 + i++] = score;
        m_vars.SelectedMatch = static_cast<std::int16_t>(row);
        m_dlg = std::make_unique<FrmMatch>(m_vars, &m_parent);
        m_dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_dlg.get()));
    }
    // The four boxes as shown: "-" when hidden, "*" after a greyed one.
    QString Boxes() const
    {
        QStringList texts;
        for (int i = 0; i < 4; ++i) {
            const auto *box = NamedChild<QLineEdit>(*m_dlg, QStringLiteral("txtScore_%1").arg(i));
            texts << (!box->isVisibleTo(m_dlg.get())
                          ? QStringLiteral("-")
                          : box->text() + (box->palette().color(QPalette::Base) != Qt::white ? "*" : ""));
        }
        return texts.join(u'|');
    }
    QString Scores(int row) const
    {
        const MatchRow &r = m_vars.MatchTable[row];
        return QStringList{r[Match::goals1], r[Match::goals2], r[Match::penalties1], r[Match::penalties2]}
            .join(u'|');
    }

    ModVars m_vars = FreshState();
    QWidget m_parent;
    std::unique_ptr<FrmMatch> m_dlg;
};

TEST_F(MatchDialog, ShowsTheMatchAndItsStadiumWithFocusOnOk)
{
    Open(0);
    EXPECT_EQ(m_dlg->windowTitle(), "Match #1  Group A");
    EXPECT_EQ(Texts(*m_dlg, {"lblMyMatchNum", "lblMatchInfo", "lblTeam1", "lblTeam2"}),
              "Match #1|18:00  Saturday 7 June 2008  Basel  St. Jakob-Park|Switzerland|Czech Republic");
    EXPECT_EQ(m_dlg->focusWidget(), NamedChild<QPushButton>(*m_dlg, "bOk"));
    EXPECT_TRUE(NamedChild(*m_dlg, "JakobPark")->isVisibleTo(m_dlg.get()));
    Open(24); // placeholder teams until groups A and B are complete
    EXPECT_EQ(Texts(*m_dlg, {"lblTeam1", "lblPenalties"}), "Winner Grp A|PENALTIES");
    EXPECT_TRUE(NamedChild(*m_dlg, "ImgFlagRound_0")->pixmap().isNull());
}

// Typed over the first boxes (an empty text clears one), then OK: the boxes as shown before OK,
// the refusal's box, the row as stored after.
TEST_F(MatchDialog, OkStoresOrRefusesWhatWasTyped)
{
    // clang-format off
    const std::tuple<int, const char *, const char *, const char *, const char *, const char *> cases[] = {
        // row, stored before, typed, shown, refusal, stored after
        {30, "1|1|3|2", "1|", "1||-|-", "Insert the Results", "1|1|3|2"}, {30, "1|1|3|2", "|", "||-|-", "", "|||"},
        {24, "", "1|01", "1*|01*||", "Insert the Results of Penalties", "|||"}, // a draw by value
        {24, "", "1|01|4|03", "1*|01*|4|03", "", "1|01|4|03"},
        {25, "1|1|5|4", "", "1*|1*|5|4", "", "1|1|5|4"}, {25, "1|1|5|4", "2", "2|1|-|-", "", "2|1||"}, // goals that differ drop the penalties
        {0, "", "a-4 b7.1|07", "47|07|-|-", "", "47|07||"}}; // digits only, two at most
    // clang-format on
    for (const auto &[row, before, typed, shown, refusal, after] : cases) {
        SCOPED_TRACE(std::to_string(row) + " " + typed);
        Open(row, QString::fromLatin1(before));
        QStringList seen;
        if (*refusal)
            AnswerMessage(&seen);
        EnterScores(*m_dlg, *typed ? QString::fromLatin1(typed).split(u'|') : QStringList(), false);
        EXPECT_EQ(Boxes(), shown);
        QTest::mouseClick(NamedChild<QPushButton>(*m_dlg, "bOk"), Qt::LeftButton);
        EXPECT_EQ(seen.value(0), refusal);
        EXPECT_EQ(m_dlg->isVisible(), *refusal != 0);
        EXPECT_EQ(Scores(row), after);
    }
}

// Every group match 0-0 and the manual order on the fixture order: the quarter-finals are
// Portugal - Croatia, Austria - Turkey, France - Russia, Greece - Italy.
class BracketWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }
    QString Slots(int a, int b) const
    {
        return Texts(m_window, {QStringLiteral("lblTeam_%1").arg(a), QStringLiteral("lblTeam_%1").arg(b)});
    }
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
        OnNext<FrmMatch>([&](FrmMatch *dialog) { EnterScores(*dialog, scores); });
        m_vars.SelectedMatch = 30; // where the pointer crossed last: the press decides
        ClickOn(QStringLiteral("lblMatch_%1").arg(area));
    }

    ModVars m_vars = [] {
        ModVars vars = FreshState();
        for (int r = 0; r < kGroupMatchCount; ++r)
            SetScore(vars, r, "0", "0");
        vars.TeamList[0] = u'1';
        vars.ManualOrderFlag = 1;
        DialogRefreshSequence(vars, {});
        return vars;
    }();
    Frm2Round m_window{m_vars};
};

TEST_F(BracketWindow, KnockoutStagePlayedThroughTheResultDialogTheLinkAndExit)
{
    // The marks on the first quarter-final's slots, below the flags; the author's link on its grey.
    const QImage drawn = m_window.grab().toImage();
    EXPECT_TRUE(drawn.pixel(Twips(1140), Twips(1200)) == qRgb(0, 0, 0) &&
                drawn.pixel(Twips(1140), Twips(2000)) == qRgb(0, 0, 0));
    EXPECT_EQ(drawn.pixel(Twips(4230), Twips(990)), qRgb(224, 224, 224));
    const QImage portugal = FlagPicture("Portugal").toImage();
    Play(28, {"2", "1"}); // #25 won outright
    EXPECT_EQ(Slots(16, 24), "2 Portugal| Portugal");
    EXPECT_EQ(Flag(3), portugal);
    Play(29, {"1", "1", "3", "4"}); // #26 to the second side on penalties
    EXPECT_EQ(Slots(18, 25), "(3)1 Austria| Turkey");
    Play(32, {"0", "0", "6", "5"}); // semi-final #29 to the first side on penalties
    Play(35, {"1", "0"});           // the final, against the other semi-final's placeholder
    EXPECT_EQ(Slots(31, 31), "Portugal|Portugal");
    EXPECT_EQ(Flag(0), portugal);
    // #25 cleared after its semi-final: the placeholder comes back, the results stay.
    Play(28, {"", ""});
    EXPECT_EQ(Slots(16, 24), " Portugal|(6)0 Winner #25");
    EXPECT_EQ(Flag(3), portugal);

    UrlCatcher catcher; // the author's link opens its page; Exit closes
    ClickOn("Label3");
    EXPECT_EQ(catcher.urls, QList<QUrl>({QUrl(NamedChild(m_window, "Label3")->text())}));
    QTest::mouseClick(NamedChild<QPushButton>(m_window, "bExit"), Qt::LeftButton);
    EXPECT_FALSE(m_window.isVisible());
}

QComboBox *List(const QWidget &window, int group, int k)
{
    static const char *const names[] = {"CmbSelectTeam", "CmbSelectTeamB", "CmbSelectTeamc",
                                        "CmbSelectTeamd"};
    return NamedChild<QComboBox>(window, QStringLiteral("%1_%2").arg(names[group]).arg(k));
}

// The sixteen lists as shown, and then the stored switch and order.
QStringList Shown(const QWidget &window, const ModVars &vars)
{
    QStringList texts;
    for (int k = 0; k < kGroupCount * kTeamsPerGroup; ++k)
        texts << List(window, k / kTeamsPerGroup, k % kTeamsPerGroup)->currentText();
    return texts << QString::number(vars.ManualOrderFlag) + vars.TeamList.left(2);
}

// The lists show the stored order, an unknown name as an empty list; OK stores nothing until
// every list is filled, then the order and the switch, "0," with the switch off.
TEST(ManualOrderWindow, ListsAndOk)
{
    const QStringList names = QString::fromLatin1(kInitialTeamList).split(u',').mid(1);
    ModVars vars = FreshState();
    // A line break is dropped, an unknown name leaves its list empty, a seventeenth name is ignored.
    vars.TeamList = "0," + names.mid(0, 15).join(u',') + "\n,Brazil,Sweden";
    FrmSelectMan window(vars);
    EXPECT_EQ(Shown(window, vars), names.mid(0, 15) + QStringList({"", "00,"}));
    QStringList seen;
    AnswerMessage(&seen);
    QTest::mouseClick(NamedChild<QPushButton>(window, "Command1"), Qt::LeftButton);
    EXPECT_EQ(seen, QStringList{"Complete all please!"});
    // Sweden by the list's popup, as a user picks it.
    QComboBox *list = List(window, 3, 3);
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(list->findText("Sweden"), 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    auto *box = NamedChild<QCheckBox>(window, "ChManOrd");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QTest::mouseClick(NamedChild<QPushButton>(window, "Command1"), Qt::LeftButton);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(vars.TeamList, QString::fromLatin1(kInitialTeamList).replace(0, 1, "1"));

    FrmSelectMan reopened(vars);
    EXPECT_EQ(Shown(reopened, vars), names + QStringList{"11,"});
    NamedChild<QCheckBox>(reopened, "ChManOrd")->setChecked(false);
    QTest::mouseClick(NamedChild<QPushButton>(reopened, "Command1"), Qt::LeftButton);
    EXPECT_EQ(vars.TeamList, QString::fromLatin1(kInitialTeamList));
    EXPECT_EQ(vars.ManualOrderFlag, 0);
}

} // namespace
