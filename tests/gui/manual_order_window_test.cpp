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

QComboBox *List(const QWidget &window, int group, int k)
{
    static const char *const names[] = {"CmbSelectTeam", "CmbSelectTeamB", "CmbSelectTeamc",
                                        "CmbSelectTeamd"};
    return NamedChild<QComboBox>(window, QStringLiteral("%1_%2").arg(names[group]).arg(k));
}

QStringList Shown(const QWidget &window, int group)
{
    QStringList texts;
    for (int k = 0; k < kTeamsPerGroup; ++k)
        texts << List(window, group, k)->currentText();
    return texts;
}

// Picks a name as a user does: opens the list, highlights the name, Enter.
void Pick(const QWidget &window, int group, int k, const QString &name)
{
    QComboBox *list = List(window, group, k);
    ASSERT_GE(list->findText(name), 0) << name.toStdString() << " is not offered";
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(list->findText(name), 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
}

} // namespace

// The lists show the stored order; a picked name leaves the list that held it empty; OK stores
// nothing until every list is filled, then the order and the switch, "0," with the switch off.
TEST(ManualOrderWindow, ListsPickingAndOk)
{
    ModVars vars = FreshState();
    FrmSelectMan window(vars);
    for (int g = 0; g < kGroupCount; ++g)
        EXPECT_EQ(Shown(window, g), kInitialList.split(u',').mid(1 + 4 * g, 4));
    Pick(window, 1, 2, "Austria");
    EXPECT_EQ(Shown(window, 1), QStringList({"", "Croatia", "Austria", "Poland"}));
    Pick(window, 1, 1, "Poland");
    EXPECT_EQ(Shown(window, 1), QStringList({"", "Poland", "Austria", ""}));
    EXPECT_EQ(Shown(window, 0) + Shown(window, 2),
              kInitialList.split(u',').mid(1, 4) + kInitialList.split(u',').mid(9, 4));
    QStringList seen;
    AnswerMessage(&seen);
    QTest::mouseClick(NamedChild<QPushButton>(window, "Command1"), Qt::LeftButton);
    EXPECT_EQ(seen, QStringList{"Complete all please!"});
    EXPECT_EQ(vars.TeamList, kInitialList);
    Pick(window, 1, 0, "Germany");
    Pick(window, 1, 3, "Croatia");
    auto *box = NamedChild<QCheckBox>(window, "ChManOrd");
    EXPECT_FALSE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QTest::mouseClick(NamedChild<QPushButton>(window, "Command1"), Qt::LeftButton);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    const QString chosen = "Portugal,Turkey,Switzerland,Czech Republic,Germany,Poland,Austria,Croatia,"
                           "France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden";
    EXPECT_EQ(vars.TeamList, "1," + chosen);
    EXPECT_EQ(vars.ManualOrderFlag, 1);

    FrmSelectMan reopened(vars);
    EXPECT_EQ(NamedChild<QComboBox>(reopened, "CmbSelectTeamB_0")->currentText(), "Germany");
    NamedChild<QCheckBox>(reopened, "ChManOrd")->setChecked(false);
    QTest::mouseClick(NamedChild<QPushButton>(reopened, "Command1"), Qt::LeftButton);
    EXPECT_EQ(vars.TeamList, "0," + chosen);
    EXPECT_EQ(vars.ManualOrderFlag, 0);

    vars.TeamList = kInitialList.chopped(6) + "Brazil"; // an unknown name in place of Sweden
    FrmSelectMan other(vars);
    EXPECT_EQ(NamedChild<QComboBox>(other, "CmbSelectTeamd_3")->currentText(), "");
}

// A change without OK is not stored.
TEST(ManualOrderWindow, ClosingStoresNothing)
{
    ModVars vars = FreshState();
    FrmSelectMan window(vars);
    window.show();
    Pick(window, 1, 0, "Poland");
    NamedChild<QCheckBox>(window, "ChManOrd")->click();
    window.close();
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(vars.TeamList, kInitialList);
}
