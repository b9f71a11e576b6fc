// Speed of the tournament core: the refresh cycle that follows every change,
// and the results file's load and save.

#include "bench_data.h"

#include "app/Sequences.h"
#include "groups/ManualOrder.h"
#include "groups/Ranking.h"
#include "groups/Standings.h"
#include "knockout/Knockout.h"
#include "state/ModVars.h"
#include "storage/ResultsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace fixturo;
using fixturo::bench::kFullTournament;

namespace {

ModVars FullTournament()
{
    ModVars vars;
    InitFixtureData(vars);
    ApplyResultsLine(vars, kFullTournament.chopped(2));
    return vars;
}

void Require(bool condition, benchmark::State &state, const char *what)
{
    if (!condition)
        state.SkipWithError(what);
}

// The rules' part of a refresh: standings, the four group sorts, the ranking
// copy, the quarter-final pairings and the knockout winners up to the champion.
void BM_RefreshCycle(benchmark::State &state)
{
    ModVars vars = FullTournament();
    QString champion;
    for (auto _ : state) {
        SetStatisticVars(vars);
        GroupSort(vars);
        SetRankGroupA(vars);
        UpdateMatchVars(vars);
        champion = SetVarsMatch(vars);
        benchmark::DoNotOptimize(champion);
    }
    Require(champion == QLatin1String("Spain"), state, "the full tournament has another champion");
}
BENCHMARK(BM_RefreshCycle)->Unit(benchmark::kMicrosecond);

// The same cycle when every group starts from the fixture order, so that the
// sorts do all their swaps (the first refresh after start-up).
void BM_RefreshCycleFromFixtureOrder(benchmark::State &state)
{
    ModVars vars = FullTournament();
    const auto fixtureOrder = vars.GroupTeams;
    for (auto _ : state) {
        vars.GroupTeams = fixtureOrder;
        SetStatisticVars(vars);
        GroupSort(vars);
        SetRankGroupA(vars);
        UpdateMatchVars(vars);
        benchmark::DoNotOptimize(SetVarsMatch(vars));
    }
    Require(vars.GroupRanking[0][0] == QLatin1String("Portugal"), state, "group A is ranked wrongly");
}
BENCHMARK(BM_RefreshCycleFromFixtureOrder)->Unit(benchmark::kMicrosecond);

// The dialog refresh sequence as the main window runs it, without its window
// steps (its standings are computed twice).
void BM_DialogRefreshSequence(benchmark::State &state)
{
    ModVars vars = FullTournament();
    for (auto _ : state) {
        DialogRefreshSequence(vars, {});
        benchmark::DoNotOptimize(vars.GroupRanking);
    }
}
BENCHMARK(BM_DialogRefreshSequence)->Unit(benchmark::kMicrosecond);

// Parts of the cycle on their own.
void BM_SetStatisticVars(benchmark::State &state)
{
    ModVars vars = FullTournament();
    for (auto _ : state) {
        SetStatisticVars(vars);
        benchmark::DoNotOptimize(vars.GroupTeams);
    }
}
BENCHMARK(BM_SetStatisticVars)->Unit(benchmark::kMicrosecond);

void BM_GroupSort(benchmark::State &state)
{
    ModVars vars = FullTournament();
    SetStatisticVars(vars);
    const auto fixtureOrder = vars.GroupTeams;
    for (auto _ : state) {
        vars.GroupTeams = fixtureOrder;
        GroupSort(vars);
        benchmark::DoNotOptimize(vars.GroupTeams);
    }
}
BENCHMARK(BM_GroupSort)->Unit(benchmark::kMicrosecond);

// The full tournament's results file in `dir`; its path.
QString WriteFullTournament(const QTemporaryDir &dir, benchmark::State &state)
{
    const QString path = dir.filePath(QString::fromLatin1(kResultsFileName));
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly) && file.write(kFullTournament) == kFullTournament.size(), state,
            "cannot write the results file");
    return path;
}

// The results file as the program reads it at start-up and writes it at exit:
// LoadFromFile, then SaveToFile (a temporary file, flushed to disk, renamed
// over the old one). The folder is the system's temporary folder (TMPDIR).
void BM_LoadAndSave(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QString path = WriteFullTournament(dir, state);
    ModVars vars;
    InitFixtureData(vars);
    bool saved = true;
    for (auto _ : state) {
        LoadFromFile(vars, path);
        saved = SaveToFile(vars, path) && saved;
    }
    Require(saved && ResultsLine(vars) == kFullTournament, state, "the file did not survive load and save");
}
BENCHMARK(BM_LoadAndSave)->Unit(benchmark::kMicrosecond);

// The two halves on their own: the save's share is mostly the flush to disk.
void BM_LoadFromFile(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QString path = WriteFullTournament(dir, state);
    ModVars vars;
    InitFixtureData(vars);
    for (auto _ : state)
        LoadFromFile(vars, path);
    Require(ResultsLine(vars) == kFullTournament, state, "the file did not load");
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMicrosecond);

void BM_SaveToFile(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(kResultsFileName));
    const ModVars vars = FullTournament();
    bool saved = true;
    for (auto _ : state)
        saved = SaveToFile(vars, path) && saved;
    Require(saved, state, "a save failed");
}
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMicrosecond);

// The same without the file system: the line parsed and written in memory.
void BM_ParseAndWriteLine(benchmark::State &state)
{
    ModVars vars;
    InitFixtureData(vars);
    const QByteArray line = kFullTournament.chopped(2);
    QByteArray written;
    for (auto _ : state) {
        ApplyResultsLine(vars, line);
        written = ResultsLine(vars);
        benchmark::DoNotOptimize(written);
    }
    Require(written == kFullTournament, state, "the line did not survive parse and write");
}
BENCHMARK(BM_ParseAndWriteLine)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
