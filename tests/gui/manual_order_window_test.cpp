#include "gui_util.h"

#include "app/Sequences.h"
#include "storage/ResultsFile.h"
#include "ui/FrmSelectMan.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

namespace {

const QString kInitialList = QString::fromLatin1(kInitialTeamList);

QComboBox *List(const QWidget &window, int group, int index)
{
    static const char *const names[] = {"CmbSelectTeam", "CmbSelectTeamB", "CmbSelectTeamc",
                                        "CmbSelectTeamd"};
    auto *list = window.findChild<QComboBox *>(u"%1_%2"_s.arg(QLatin1String(names[group])).arg(index));
    if (!list)
        ADD_FAILURE() << "no list " << names[group] << "_" << index;
    return list;
}

// The names that the four lists of a group show, top to bottom.
QStringList Shown(const QWidget &window, int group)
{
    QStringList texts;
    for (int k = 0; k < kTeamsPerGroup; ++k)
        texts << List(window, group, k)->currentText();
    return texts;
}

bool Switch(const QWidget &window)
{
    return window.findChild<QCheckBox *>(u"ChManOrd"_s)->isChecked();
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
}

QStringList Order(const ModVars &vars, int group)
{
    QStringList names;
    for (const auto &row : vars.GroupTeams[group])
        names << row[Col::Name];
    return names;
}

class ManualOrderWindow : public ::testing::Test {
protected:
    void SetUp() override { StartupSequence(m_vars, m_path, {}); }

    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath(u"results.txt"_s);
    ModVars m_vars;
};

} // namespace

TEST_F(ManualOrderWindow, NothingIsStoredWithoutOkOnEveryList)
{
    FrmSelectMan window(m_vars);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_FALSE(Switch(window));
    EXPECT_EQ(Shown(window, 0), QStringList({"Portugal", "Turkey", "Switzerland", "Czech Republic"}));

    // A name picked in one list leaves the list that held it empty; other groups keep theirs.
    const auto others = [&] { return QList{Shown(window, 0), Shown(window, 2), Shown(window, 3)}; };
    const QList<QStringList> before = others();
    Pick(List(window, 1, 2), u"Austria"_s);
    EXPECT_EQ(Shown(window, 1), QStringList({"", "Croatia", "Austria", "Poland"}));
    EXPECT_EQ(others(), before);

    QString text;
    ModalDriver refused([&](QWidget *modal) { text = AcceptMessageBox(modal); }, &window);
    QTest::mouseClick(window.findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    EXPECT_TRUE(refused.Fired());
    EXPECT_EQ(text, u"Complete all please!"_s);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(m_vars.TeamList, kInitialList);

    // Complete and switched on, but closed with the close box.
    Pick(List(window, 1, 0), u"Germany"_s);
    window.findChild<QCheckBox *>(u"ChManOrd"_s)->click();
    window.close();
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(m_vars.TeamList, kInitialList);
    EXPECT_EQ(m_vars.ManualOrderFlag, 0);
}

TEST_F(ManualOrderWindow, OkStoresAnOrderThatTheRefreshAppliesAndARestartKeeps)
{
    FrmSelectMan window(m_vars);
    ModalDriver driver([&](QWidget *modal) {
        auto *box = window.findChild<QCheckBox *>(u"ChManOrd"_s);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        // Group B upside down.
        Pick(List(window, 1, 0), u"Poland"_s);
        Pick(List(window, 1, 3), u"Austria"_s);
        Pick(List(window, 1, 1), u"Germany"_s);
        Pick(List(window, 1, 2), u"Croatia"_s);
        ModalDriver refused(
            [](QWidget *refusal) { ADD_FAILURE() << "refused: " << AcceptMessageBox(refusal).toStdString(); },
            modal);
        QTest::mouseClick(window.findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
        if (modal->isVisible())
            modal->close();
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_TRUE(driver.Fired());
    const QString chosen = u"1,Portugal,Turkey,Switzerland,Czech Republic,Poland,Germany,Croatia,Austria,"
                           u"France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden"_s;
    EXPECT_EQ(m_vars.TeamList, chosen);
    EXPECT_EQ(m_vars.ManualOrderFlag, 1);

    // Applied by the refresh once the groups are played.
    for (int r = 0; r < kGroupMatchCount; ++r)
        m_vars.MatchTable[r][Match::goals1] = m_vars.MatchTable[r][Match::goals2] = u"0"_s;
    DialogRefreshSequence(m_vars, {});
    const QStringList manualB = {"Poland", "Germany", "Croatia", "Austria"};
    EXPECT_EQ(Order(m_vars, 1), manualB);
    EXPECT_EQ(m_vars.GroupRanking[1][0], u"Poland"_s);
    EXPECT_EQ(m_vars.MatchTable[25][Match::team1], u"Poland"_s);
    EXPECT_EQ(m_vars.MatchTable[24][Match::team2], u"Germany"_s);

    // Kept through the results file, and shown again by the window.
    ASSERT_TRUE(SaveToFile(m_vars, m_path));
    ModVars restarted;
    StartupSequence(restarted, m_path, {});
    EXPECT_EQ(restarted.TeamList, chosen);
    EXPECT_EQ(Order(restarted, 1), manualB);
    FrmSelectMan reopened(restarted);
    EXPECT_TRUE(Switch(reopened));
    EXPECT_EQ(Shown(reopened, 1), manualB);
}

TEST_F(ManualOrderWindow, AStoredNameOutsideItsGroupLeavesTheListEmpty)
{
    m_vars.TeamList = kInitialList.chopped(6) + u"Brazil"_s; // in place of Sweden
    FrmSelectMan window(m_vars);
    EXPECT_EQ(Shown(window, 3), QStringList({"Greece", "Russia", "Spain", ""}));
}
