#include "gui_util.h"

#include "ui/FrmSelectMan.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

using namespace fixturo;
using namespace fixturo::test;

namespace {

const QString kInitialList = QString::fromLatin1(kInitialTeamList);

class ManualOrderWindow : public ::testing::Test {
protected:
    QComboBox *List(int group, int k) const
    {
        static const char *const names[] = {"CmbSelectTeam", "CmbSelectTeamB", "CmbSelectTeamc",
                                            "CmbSelectTeamd"};
        return NamedChild<QComboBox>(m_window, QStringLiteral("%1_%2").arg(names[group]).arg(k));
    }
    QStringList Shown(int group) const
    {
        QStringList texts;
        for (int k = 0; k < kTeamsPerGroup; ++k)
            texts << List(group, k)->currentText();
        return texts;
    }
    // Picks a name as a user does: opens the list, highlights the name, Enter.
    void Pick(int group, int k, const QString &name) const
    {
        QComboBox *list = List(group, k);
        ASSERT_GE(list->findText(name), 0) << name.toStdString() << " is not offered";
        list->showPopup();
        list->view()->setCurrentIndex(list->model()->index(list->findText(name), 0));
        QTest::keyClick(list->view(), Qt::Key_Return);
    }
    QCheckBox *Switch() const { return NamedChild<QCheckBox>(m_window, "ChManOrd"); }
    void Ok() const { QTest::mouseClick(NamedChild<QPushButton>(m_window, "Command1"), Qt::LeftButton); }

    ModVars m_vars = FreshState();
    FrmSelectMan m_window{m_vars};
};

} // namespace

TEST_F(ManualOrderWindow, ListsShowTheStoredOrderBesideTheirPlaces)
{
    m_window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    EXPECT_FALSE(Switch()->isChecked());
    for (int g = 0; g < kGroupCount; ++g)
        EXPECT_EQ(Shown(g), kInitialList.split(u',').mid(1 + 4 * g, 4));
    // Beside each list, the number of its place.
    for (int i = 0; i < 16; ++i) {
        const QWidget *list = List(i / 4, i % 4);
        QStringList places;
        for (const QLabel *label : list->parentWidget()->findChildren<QLabel *>())
            if (label->objectName().startsWith("Label1_") &&
                std::abs(label->geometry().center().y() - list->geometry().center().y()) < 12)
                places << label->text();
        EXPECT_EQ(places, QStringList{QString::number(i % 4 + 1)}) << list->objectName().toStdString();
    }
    m_vars.TeamList = kInitialList.chopped(6) + "Brazil"; // in place of Sweden
    FrmSelectMan other(m_vars);
    EXPECT_EQ(NamedChild<QComboBox>(other, "CmbSelectTeamd_3")->currentText(), "");
}

TEST_F(ManualOrderWindow, NothingIsStoredWithoutOkOnCompleteLists)
{
    const QList<QStringList> others{Shown(0), Shown(2), Shown(3)};
    Pick(1, 2, "Austria"); // a name picked in one list leaves the list that held it empty
    EXPECT_EQ(Shown(1), QStringList({"", "Croatia", "Austria", "Poland"}));
    Pick(1, 1, "Poland");
    EXPECT_EQ(Shown(1), QStringList({"", "Poland", "Austria", ""}));
    EXPECT_EQ(QList<QStringList>({Shown(0), Shown(2), Shown(3)}), others);
    QStringList seen;
    AnswerMessage(&seen);
    Ok();
    EXPECT_EQ(seen, QStringList{"Complete all please!"});
    EXPECT_TRUE(m_window.isVisible() || !m_window.result());
    Pick(1, 0, "Germany");
    Pick(1, 3, "Croatia");
    Switch()->click();
    m_window.close();
    EXPECT_EQ(m_window.result(), QDialog::Rejected);
    EXPECT_EQ(m_vars.TeamList, kInitialList);
}

TEST_F(ManualOrderWindow, OkStoresTheOrderAndTheSwitch)
{
    Pick(1, 0, "Poland");
    Pick(1, 3, "Austria");
    Pick(1, 1, "Germany");
    Pick(1, 2, "Croatia");
    QTest::mouseClick(Switch(), Qt::LeftButton, {}, QPoint(6, Switch()->height() / 2));
    Ok();
    EXPECT_EQ(m_window.result(), QDialog::Accepted);
    const QString chosen = "Portugal,Turkey,Switzerland,Czech Republic,Poland,Germany,Croatia,Austria,"
                           "France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden";
    EXPECT_EQ(m_vars.TeamList, "1," + chosen);
    EXPECT_EQ(m_vars.ManualOrderFlag, 1);
    FrmSelectMan reopened(m_vars);
    EXPECT_TRUE(NamedChild<QCheckBox>(reopened, "ChManOrd")->isChecked());
    EXPECT_EQ(NamedChild<QComboBox>(reopened, "CmbSelectTeamB_0")->currentText(), "Poland");
    // Ok with the box clear stores the list with "0," and switches the order off.
    NamedChild<QCheckBox>(reopened, "ChManOrd")->setChecked(false);
    QTest::mouseClick(NamedChild<QPushButton>(reopened, "Command1"), Qt::LeftButton);
    EXPECT_EQ(m_vars.TeamList, "0," + chosen);
    EXPECT_EQ(m_vars.ManualOrderFlag, 0);
}
