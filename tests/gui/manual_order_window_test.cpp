#include "gui_util.h"

#include "app/Sequences.h"
#include "storage/ResultsFile.h"
#include "ui/FrmSelectMan.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QStringList>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

namespace {

constexpr std::array<const char *, kGroupCount> kListNames = {"CmbSelectTeam", "CmbSelectTeamB",
                                                              "CmbSelectTeamc", "CmbSelectTeamd"};

QComboBox *List(const QWidget &window, int group, int index)
{
    auto *list = window.findChild<QComboBox *>(QStringLiteral("%1_%2").arg(kListNames[group]).arg(index));
    if (!list)
        ADD_FAILURE() << "no list " << kListNames[group] << "_" << index;
    return list;
}

// The texts that the four lists of a group show, top to bottom.
QStringList Shown(const QWidget &window, int group)
{
    QStringList texts;
    for (int k = 0; k < kTeamsPerGroup; ++k)
        texts << List(window, group, k)->currentText();
    return texts;
}

QStringList Entries(const QComboBox *list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

// Picks a name as a user does: opens the list, highlights the name, Enter.
void Pick(QComboBox *list, const QString &name)
{
    const int i = list->findText(name);
    ASSERT_GE(i, 0) << name.toStdString() << " is not offered";
    list->showPopup();
    QAbstractItemView *view = list->view();
    view->setCurrentIndex(view->model()->index(i, list->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_FALSE(view->isVisible());
}

QStringList Order(const ModVars &vars, int group)
{
    QStringList names;
    for (const auto &row : vars.GroupTeams[group])
        names << row[Col::Name];
    return names;
}

// Every group match won by the team listed first in the fixture order.
void PlayAllGroupsInFixtureOrder(ModVars &vars)
{
    for (int g = 0; g < kGroupCount; ++g) {
        const QStringList order = Order(vars, g);
        for (int r : GroupMatchRows(g)) {
            MatchRow &m = vars.MatchTable[r];
            const bool firstWins = order.indexOf(m[Match::team1]) < order.indexOf(m[Match::team2]);
            m[Match::goals1] = firstWins ? "1" : "0";
            m[Match::goals2] = firstWins ? "0" : "1";
        }
    }
}

const QString kInitialList = QString::fromLatin1(kInitialTeamList);

// Presses "Ok" where the window must take the choice and close. A refusal is
// a failure: its message box is answered and the window closed, so the test
// goes on rather than hang.
void OkCloses(FrmSelectMan &window)
{
    auto *ok = window.findChild<QPushButton *>("Command1");
    ASSERT_NE(ok, nullptr);
    QString refusal;
    ModalDriver refused([&](QWidget *box) { refusal = AcceptMessageBox(box); }, &window, 60'000);
    QTest::mouseClick(ok, Qt::LeftButton);
    if (window.isVisible()) {
        ADD_FAILURE() << "Ok refused the choice: " << refusal.toStdString();
        window.reject();
    }
}

} // namespace

TEST(ManualOrderWindow, ChosenOrderIsStoredAppliedAndSurvivesARestart)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("results.txt");
    ModVars vars;
    StartupSequence(vars, path, {});

    FrmSelectMan window(vars);
    ModalDriver driver([&](QWidget *modal) {
        auto *box = window.findChild<QCheckBox *>("ChManOrd");
        if (modal != &window || !box) {
            ADD_FAILURE() << "expected the manual order window with its check box";
            modal->close();
            window.reject();
            return;
        }
        // First opening: the switch clear, every list on the fixture order.
        EXPECT_EQ(window.windowTitle(), u"Manual"_s);
        EXPECT_FALSE(box->isChecked());
        EXPECT_EQ(Shown(window, 0), QStringList({"Portugal", "Turkey", "Switzerland", "Czech Republic"}));
        for (int k = 0; k < kTeamsPerGroup; ++k)
            EXPECT_EQ(Entries(List(window, 1, k)), QStringList({"Austria", "Croatia", "Germany", "Poland"}));
        EXPECT_FALSE(List(window, 0, 0)->isEditable());

        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        EXPECT_TRUE(box->isChecked());

        // Group B turned upside down; each pick empties the list that held the name.
        Pick(List(window, 1, 0), "Poland");
        EXPECT_EQ(Shown(window, 1), QStringList({"Poland", "Croatia", "Germany", ""}));
        Pick(List(window, 1, 3), "Austria");
        Pick(List(window, 1, 1), "Germany");
        EXPECT_EQ(Shown(window, 1), QStringList({"Poland", "Germany", "", "Austria"}));
        Pick(List(window, 1, 2), "Croatia");
        OkCloses(window);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_TRUE(driver.Fired());

    const QString chosen = "1,Portugal,Turkey,Switzerland,Czech Republic,Poland,Germany,Croatia,Austria,"
                           "France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden";
    EXPECT_EQ(vars.TeamList, chosen);
    EXPECT_EQ(vars.ManualOrderFlag, 1);

    // The refresh applies it whatever the results say, and the pairings follow.
    PlayAllGroupsInFixtureOrder(vars);
    DialogRefreshSequence(vars, {});
    const QStringList manualB = {"Poland", "Germany", "Croatia", "Austria"};
    EXPECT_EQ(Order(vars, 1), manualB);
    EXPECT_EQ(vars.GroupTeams[1][3][Col::Pts], u"9"_s); // Austria's statistics moved with it
    EXPECT_EQ(vars.GroupRanking[1][0], u"Poland"_s);
    EXPECT_EQ(vars.GroupRanking[1][1], u"Germany"_s);
    EXPECT_EQ(vars.MatchTable[25][Match::team1], u"Poland"_s);
    EXPECT_EQ(vars.MatchTable[24][Match::team2], u"Germany"_s);
    EXPECT_EQ(vars.MatchTable[24][Match::team1], u"Portugal"_s);

    // A restart reads the order back from the results file.
    ASSERT_TRUE(SaveToFile(vars, path));
    ModVars restarted;
    StartupSequence(restarted, path, {});
    EXPECT_EQ(restarted.TeamList, chosen);
    EXPECT_EQ(restarted.ManualOrderFlag, 1);
    EXPECT_EQ(Order(restarted, 1), manualB);
    EXPECT_EQ(restarted.MatchTable[25][Match::team1], u"Poland"_s);
    EXPECT_EQ(restarted.MatchTable[24][Match::team2], u"Germany"_s);

    // Reopened, the window shows the stored choice over the current table order.
    FrmSelectMan reopened(restarted);
    EXPECT_TRUE(reopened.findChild<QCheckBox *>("ChManOrd")->isChecked());
    EXPECT_EQ(Shown(reopened, 1), manualB);
    EXPECT_EQ(Entries(List(reopened, 1, 3)), manualB);
}

TEST(ManualOrderWindow, PickingKeepsNamesUniqueAndOkWantsEveryList)
{
    QTemporaryDir dir;
    ModVars vars;
    StartupSequence(vars, dir.filePath("results.txt"), {});
    FrmSelectMan window(vars);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const QStringList groupA = Shown(window, 0), groupC = Shown(window, 2), groupD = Shown(window, 3);
    Pick(List(window, 1, 2), "Austria");
    EXPECT_EQ(Shown(window, 1), QStringList({"", "Croatia", "Austria", "Poland"}));
    EXPECT_EQ(List(window, 1, 0)->currentIndex(), -1);
    EXPECT_EQ(Shown(window, 0), groupA);
    EXPECT_EQ(Shown(window, 2), groupC);
    EXPECT_EQ(Shown(window, 3), groupD);

    // Incomplete: the message, then the window stays as it was, nothing stored.
    auto *ok = window.findChild<QPushButton *>("Command1");
    ASSERT_NE(ok, nullptr);
    QString text, title;
    QMessageBox::StandardButtons buttons;
    ModalDriver refused(
        [&](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                title = box->windowTitle();
                buttons = box->standardButtons();
            }
            text = AcceptMessageBox(modal);
        },
        &window);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(refused.Fired());
    EXPECT_EQ(text, u"Complete all please!"_s);
    EXPECT_EQ(title, u"Fixturo"_s);
    EXPECT_EQ(buttons, QMessageBox::Ok);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Shown(window, 1), QStringList({"", "Croatia", "Austria", "Poland"}));
    EXPECT_EQ(vars.TeamList, kInitialList);
    EXPECT_EQ(vars.ManualOrderFlag, 0);

    // Completed with the switch clear: stored, not applied.
    Pick(List(window, 1, 0), "Germany");
    OkCloses(window);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(vars.TeamList, u"0,Portugal,Turkey,Switzerland,Czech Republic,Germany,Croatia,Austria,Poland,"
                             u"France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden"_s);
    EXPECT_EQ(vars.ManualOrderFlag, 0);
    DialogRefreshSequence(vars, {});
    EXPECT_EQ(Order(vars, 1), QStringList({"Austria", "Croatia", "Germany", "Poland"}));
}

TEST(ManualOrderWindow, CloseBoxStoresNothing)
{
    QTemporaryDir dir;
    ModVars vars;
    StartupSequence(vars, dir.filePath("results.txt"), {});
    {
        FrmSelectMan window(vars);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.findChild<QCheckBox *>("ChManOrd")->click();
        Pick(List(window, 3, 0), "Sweden");
        window.close();
        EXPECT_EQ(window.result(), QDialog::Rejected);
    }
    EXPECT_EQ(vars.TeamList, kInitialList);
    EXPECT_EQ(vars.ManualOrderFlag, 0);

    FrmSelectMan reopened(vars);
    EXPECT_FALSE(reopened.findChild<QCheckBox *>("ChManOrd")->isChecked());
    EXPECT_EQ(Shown(reopened, 3), QStringList({"Greece", "Russia", "Spain", "Sweden"}));
}

TEST(ManualOrderWindow, StoredNameOutsideItsGroupLeavesTheListEmpty)
{
    ModVars vars;
    InitFixtureData(vars);
    vars.TeamList = "1,Portugal,Turkey,Switzerland,Czech Republic,Austria,Croatia,Germany,Poland,"
                    "France,Italy,Netherlands,Romania,Greece,Russia,Spain,Brazil";
    FrmSelectMan window(vars);
    EXPECT_TRUE(window.findChild<QCheckBox *>("ChManOrd")->isChecked());
    EXPECT_EQ(Shown(window, 3), QStringList({"Greece", "Russia", "Spain", ""}));
    EXPECT_EQ(List(window, 3, 3)->currentIndex(), -1);
    EXPECT_EQ(Shown(window, 2), QStringList({"France", "Italy", "Netherlands", "Romania"}));
}
