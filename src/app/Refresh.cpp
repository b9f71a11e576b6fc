#include "app/Refresh.h"

#include "groups/Ranking.h"
#include "groups/Standings.h"
#include "knockout/Knockout.h"
#include "storage/FileIo.h"
#include "storage/ResultsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace fixturo {

namespace {

void run(const std::function<void()> &hook)
{
    if (hook)
        hook();
}

} // namespace

bool startUp(Championship &championship, const QString &resultsPath, const RefreshHooks &hooks)
{
    championship = initialChampionship();
    run(hooks.showScheduleFlags);
    return refreshAfterDownload(championship, resultsPath, hooks);
}

void refreshAfterEdit(Championship &championship, const RefreshHooks &hooks)
{
    fillQuarterFinals(championship);
    recomputeStandings(championship);
    run(hooks.showScheduleLines);
    sortGroups(championship);
    recordGroupOrder(championship);
    recomputeStandings(championship);
    fillQuarterFinals(championship);
    run(hooks.showGroupTables);
    run(hooks.showGroupFlags);
}

bool refreshAfterDownload(Championship &championship, const QString &resultsPath, const RefreshHooks &hooks)
{
    const bool readWhole = loadResultsFile(championship, resultsPath);
    recomputeStandings(championship);
    recordGroupOrder(championship);
    run(hooks.showScheduleLines);
    sortGroups(championship);
    recordGroupOrder(championship);
    run(hooks.showGroupTables);
    fillQuarterFinals(championship);
    run(hooks.showGroupFlags);
    return readWhole;
}

ResultsLocation chooseResultsLocation(const QString &programDir, const QString &dataDir)
{
    const QString name = QString::fromLatin1(kResultsFileName);
    const QString beside = QDir(programDir).filePath(name);
    const QFileInfo folder(programDir);
    const QFileInfo file(beside);
    if ((folder.isDir() && folder.isWritable()) || (file.isFile() && file.isWritable()))
        return {beside, {}};
    QDir().mkpath(dataDir);
    const QString kept = QDir(dataDir).filePath(name);
    if (QFileInfo::exists(kept) || !file.isFile())
        return {kept, {}};
    const std::optional<QByteArray> bytes = readWholeFile(beside);
    if (!bytes || !writeFileAtomically(kept, *bytes))
        return {kept, {}};
    return {kept, beside};
}

ResultsLocation resultsLocation()
{
    return chooseResultsLocation(QCoreApplication::applicationDirPath(),
                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace fixturo
