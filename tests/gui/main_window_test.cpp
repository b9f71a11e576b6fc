#include "gui_util.h"

#include "ui/FrmMain.h"

using namespace fixturo;

TEST(MainWindow, Opens)
{
    QTemporaryDir dir;
    ModVars vars;
    FrmMain window(vars, dir.filePath("results.txt"));
    EXPECT_EQ(window.windowTitle(), "Fixturo");
}
