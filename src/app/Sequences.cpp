#include "app/Sequences.h"

#include "groups/ManualOrder.h"
#include "groups/Ranking.h"
#include "groups/Standings.h"
#include "knockout/Knockout.h"
#include "storage/ResultsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace fixturo {

namespace {

void Run(const std::function<void()> &step)
{
    if (step)
        step();
}

} // namespace

bool StartupSequence(ModVars &vars, const QString &resultsPath, const WindowSteps &steps)
{
    InitFixtureData(vars);
    Run(steps.LoadScheduleFlags);
    return UpdateRefreshSequence(vars, resultsPath, steps);
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

bool UpdateRefreshSequence(ModVars &vars, const QString &resultsPath, const WindowSteps &steps)
{
    const bool readWhole = LoadFromFile(vars, resultsPath);
    SetStatisticVars(vars);
    SetRankGroupA(vars);
    Run(steps.UpdateAllLabels);
    GroupSort(vars);
    SetRankGroupA(vars);
    Run(steps.DrawGroupTables);
    UpdateMatchVars(vars);
    Run(steps.ShowGroupFlags);
    return readWhole;
}

QString ChooseResultsPath(const QString &programDir, const QString &dataDir)
{
    const QString name = QString::fromLatin1(kResultsFileName);
    const QString beside = QDir(programDir).filePath(name);
    const QFileInfo folder(programDir);
    const QFileInfo file(beside);
    if ((folder.isDir() && folder.isWritable()) || (file.isFile() && file.isWritable()))
        return beside;
    QDir().mkpath(dataDir);
    return QDir(dataDir).filePath(name);
}

QString ResultsFilePath()
{
    return ChooseResultsPath(QCoreApplication::applicationDirPath(),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace fixturo
