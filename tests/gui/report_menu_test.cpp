// The print and export commands of the main window's File menu.
#include "gui_util.h"

#include "state/ModVars.h"
#include "ui/FrmMain.h"

#include <QMenu>

namespace fixturo::test {
namespace {

TEST(ReportMenu, NewCommandsStandBetweenUpdateOnlineAndExit)
{
    QTemporaryDir dir;
    ModVars vars;
    FrmMain window(vars, dir.filePath(QStringLiteral("results.txt")));
    QMenu *file = NamedChild<QMenu>(window, QStringLiteral("MnuFile"));
    ASSERT_TRUE(file);
    QStringList items;
    for (const QAction *action : file->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->objectName() + u'=' + action->text());
    EXPECT_EQ(items,
              (QStringList{"mnumanual=Manual Order", "MnuUpdate=Update Online", "-",
                           QString::fromUtf8("MnuPrint=Print…"), QString::fromUtf8("MnuExport=Export…"),
                           QString::fromUtf8("MnuExportCsv=Export Results as CSV…"), "-", "MnuExit=Exit"}));
}

} // namespace
} // namespace fixturo::test
