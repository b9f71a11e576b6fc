#include "app/Sequences.h"

#include "groups/ManualOrder.h"
#include "groups/Ranking.h"
#include "groups/Standings.h"
#include "knockout/Knockout.h"
#include "storage/ResultsFile.h"

#include <QCoreApplication>
#include <QDir>

namespace fixturo {

namespace {

void Run(const std::function<void()> &step)
{
    if (step)
        step();
}

} // namespace

void StartupSequence(ModVars &vars, const QString &resultsPath, const WindowSteps &steps)
{
    InitFixtureData(vars);
    Run(steps.LoadScheduleFlags);
    UpdateRefreshSequence(vars, resultsPath, steps);
}

void DialogRefreshSequence(ModVars &vars, const WindowSteps &steps)
{
    UpdateMatchVars(vars);
    SetStatisticVars(vars);
    Run(steps.UpdateAllLabels);
    GroupSort(vars);
    SetRankGroupA(vars);
    SetStatisticVars(vars);
    UpdateMatchVars(vars);
    Run(steps.DrawGroupTables);
    Run(steps.ShowGroupFlags);
}

void UpdateRefreshSequence(ModVars &vars, const QString &resultsPath, const WindowSteps &steps)
{
    LoadFromFile(vars, resultsPath);
    SetStatisticVars(vars);
    SetRankGroupA(vars);
    Run(steps.UpdateAllLabels);
    GroupSort(vars);
    SetRankGroupA(vars);
    Run(steps.DrawGroupTables);
    UpdateMatchVars(vars);
    Run(steps.ShowGroupFlags);
}

QString ResultsFilePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kResultsFileName));
}

} // namespace fixturo
