#include "ui/FrmMain.h"

namespace fixturo {

FrmMain::FrmMain(ModVars &vars, QString resultsPath, QWidget *parent)
    : QMainWindow(parent), m_vars(vars), m_resultsPath(std::move(resultsPath))
{
    setWindowTitle(QStringLiteral("Fixturo"));
    StartupSequence(m_vars, m_resultsPath, {});
}

} // namespace fixturo
