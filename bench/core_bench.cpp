// Speed of the tournament core: the refresh cycle that follows every change,
// and the results file's load and save.

#include "bench_data.h"

#include "app/Refresh.h"
#include "groups/Outlook.h"
#include "groups/Ranking.h"
#include "groups/Standings.h"
#include "knockout/Knockout.h"
#include "state/Championship.h"
#include "storage/ResultsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace fixturo;
using fixturo::bench::kFullTournament;

namespace {

Championship fullTournament()
{
    Championship championship = initialChampionship();
    applyResultsLine(championship, kFullTournament.chopped(2));
    return championship;
}

void require(bool condition, benchmark::State &state, const char *what)
{
    if (!condition)
        state.SkipWithError(what);
}

// The rules' part of a refresh: standings, the four group sorts, the recorded
// group order, the quarter-final pairings and the knockout winners up to the champion.
void BM_RefreshCycle(benchmark::State &state)
{
    Championship championship = fullTournament();
    QString champion;
    for (auto _ : state) {
        recomputeStandings(championship);
        sortGroups(championship);
        recordGroupOrder(championship);
        fillQuarterFinals(championship);
        champion = advanceKnockoutWinners(championship);
        benchmark::DoNotOptimize(champion);
    }
    require(champion == QLatin1String("Spain"), state, "the full tournament has another champion");
}
BENCHMARK(BM_RefreshCycle)->Unit(benchmark::kMicrosecond);

// The same cycle when every group starts from the fixture order, so that the
// sorts do all their swaps (the first refresh after start-up).
void BM_RefreshCycleFromFixtureOrder(benchmark::State &state)
{
    Championship championship = fullTournament();
    const auto fixtureOrder = championship.groupTables;
    for (auto _ : state) {
        championship.groupTables = fixtureOrder;
        recomputeStandings(championship);
        sortGroups(championship);
        recordGroupOrder(championship);
        fillQuarterFinals(championship);
        benchmark::DoNotOptimize(advanceKnockoutWinners(championship));
    }
    require(championship.groupOrder[0][0] == QLatin1String("Portugal"), state, "group A is ranked wrongly");
}
BENCHMARK(BM_RefreshCycleFromFixtureOrder)->Unit(benchmark::kMicrosecond);

// The refresh after an edit as the main window runs it, without its hooks (its
// standings are computed twice).
void BM_RefreshAfterEdit(benchmark::State &state)
{
    Championship championship = fullTournament();
    for (auto _ : state) {
        refreshAfterEdit(championship, {});
        benchmark::DoNotOptimize(championship.groupOrder);
    }
}
BENCHMARK(BM_RefreshAfterEdit)->Unit(benchmark::kMicrosecond);

// Parts of the cycle on their own.
void BM_RecomputeStandings(benchmark::State &state)
{
    Championship championship = fullTournament();
    for (auto _ : state) {
        recomputeStandings(championship);
        benchmark::DoNotOptimize(championship.groupTables);
    }
}
BENCHMARK(BM_RecomputeStandings)->Unit(benchmark::kMicrosecond);

void BM_SortGroups(benchmark::State &state)
{
    Championship championship = fullTournament();
    recomputeStandings(championship);
    const auto fixtureOrder = championship.groupTables;
    for (auto _ : state) {
        championship.groupTables = fixtureOrder;
        sortGroups(championship);
        benchmark::DoNotOptimize(championship.groupTables);
    }
}
BENCHMARK(BM_SortGroups)->Unit(benchmark::kMicrosecond);

// The full tournament's results file in `dir`; its path.
QString writeFullTournament(const QTemporaryDir &dir, benchmark::State &state)
{
    const QString path = dir.filePath(QString::fromLatin1(kResultsFileName));
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(kFullTournament) == kFullTournament.size(), state,
            "cannot write the results file");
    return path;
}

// The results file as the program reads it at start-up and writes it at exit:
// loadResultsFile, then saveResultsFile (a temporary file, flushed to disk, renamed
// over the old one). The folder is the system's temporary folder (TMPDIR).
void BM_LoadAndSave(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QString path = writeFullTournament(dir, state);
    Championship championship = initialChampionship();
    bool saved = true;
    for (auto _ : state) {
        loadResultsFile(championship, path);
        saved = saveResultsFile(championship, path) && saved;
    }
    require(saved && resultsLine(championship) == kFullTournament, state,
            "the file did not survive load and save");
}
BENCHMARK(BM_LoadAndSave)->Unit(benchmark::kMicrosecond);

// The two halves on their own: the save's share is mostly the flush to disk.
void BM_LoadResultsFile(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QString path = writeFullTournament(dir, state);
    Championship championship = initialChampionship();
    for (auto _ : state)
        loadResultsFile(championship, path);
    require(resultsLine(championship) == kFullTournament, state, "the file did not load");
}
BENCHMARK(BM_LoadResultsFile)->Unit(benchmark::kMicrosecond);

void BM_SaveResultsFile(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(kResultsFileName));
    const Championship championship = fullTournament();
    bool saved = true;
    for (auto _ : state)
        saved = saveResultsFile(championship, path) && saved;
    require(saved, state, "a save failed");
}
BENCHMARK(BM_SaveResultsFile)->Unit(benchmark::kMicrosecond);

// The same without the file system: the line parsed and written in memory.
void BM_ParseAndWriteLine(benchmark::State &state)
{
    Championship championship = initialChampionship();
    const QByteArray line = kFullTournament.chopped(2);
    QByteArray written;
    for (auto _ : state) {
        applyResultsLine(championship, line);
        written = resultsLine(championship);
        benchmark::DoNotOptimize(written);
    }
    require(written == kFullTournament, state, "the line did not survive parse and write");
}
BENCHMARK(BM_ParseAndWriteLine)->Unit(benchmark::kMicrosecond);

// The outlook of all four groups: every way the remaining matches can end,
// ranked. The argument is how many matchdays are played (0: a fresh
// championship, the hardest state found: 3^6 patterns per group, many of them
// comparing goal differences), or 3 for nine-digit scores (a results file
// allows them): every group's first match won 999999999-0, so that turning a
// goal difference takes huge margins.
Championship outlookState(int playedDays)
{
    Championship championship = fullTournament();
    const int keep = playedDays == 3 ? 0 : 8 * playedDays;
    for (int r = keep; r < kMatchCount; ++r)
        championship.matches[r].score = {};
    if (playedDays == 3)
        for (int g = 0; g < kGroupCount; ++g)
            championship.matches[groupMatchRows(g)[0]].score = {"999999999", "0", {}, {}};
    refreshAfterEdit(championship, {});
    return championship;
}

void BM_GroupOutlooks(benchmark::State &state)
{
    const Championship championship = outlookState(static_cast<int>(state.range(0)));
    int outcomes = 0;
    for (auto _ : state) {
        outcomes = 0;
        for (int g = 0; g < kGroupCount; ++g)
            outcomes += groupOutlook(championship, g).outcomeCount;
        benchmark::DoNotOptimize(outcomes);
    }
    state.counters["rankings"] = outcomes;
}
BENCHMARK(BM_GroupOutlooks)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
