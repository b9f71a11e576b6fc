// Feeds arbitrary bytes to the program as its results file and runs them
// through the whole start-up and refresh cycle of the core: loading, standings,
// both group sorts, ranking, quarter-final pairings, knockout winners, the
// bracket texts and the save. Then checks what must hold for any file:
//
// - the first line read from the file is the line the parser is given;
// - the refresh steps never change what the save writes;
// - the standings add up and an automatic group sort orders by points;
// - every sort only permutes the four teams of a group;
// - the save writes exactly the results line, and that file, loaded into a
//   fresh state, saves to the same bytes again.
//
// Any broken check aborts, so libFuzzer keeps the input as a crash.

#include "app/Sequences.h"
#include "groups/ManualOrder.h"
#include "groups/Ranking.h"
#include "groups/Standings.h"
#include "knockout/Knockout.h"
#include "knockout/MatchRules.h"
#include "state/ModVars.h"
#include "storage/ResultsFile.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace fixturo;

namespace {

[[noreturn]] void Fail(const char *what)
{
    std::fprintf(stderr, "results_file_fuzzer: %s\n", what);
    std::fflush(stderr);
    __builtin_trap();
}

void Check(bool condition, const char *what)
{
    if (!condition)
        Fail(what);
}

// One folder per fuzzing process, removed when it exits.
const QTemporaryDir &WorkDir()
{
    static const QTemporaryDir dir;
    if (!dir.isValid())
        Fail("cannot create a temporary folder");
    return dir;
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the input file");
    Check(file.write(bytes) == bytes.size(), "short write of the input file");
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    Check(file.open(QIODevice::ReadOnly), "cannot read the saved file");
    return file.readAll();
}

// The line the load reads: everything before the first CR or LF.
QByteArray FirstLine(const QByteArray &bytes)
{
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
    return bytes.left(end);
}

// True when every score text is a small number, so no sum is clamped.
bool ScoresAreSmall(const ModVars &vars)
{
    constexpr std::int64_t kSmall = 1'000'000'000;
    for (int r = 0; r < kGroupMatchCount; ++r)
        for (int f : {Match::goals1, Match::goals2}) {
            const std::int64_t v = ValueOf(vars.MatchTable[r][f]);
            if (v > kSmall || v < -kSmall)
                return false;
        }
    return true;
}

void CheckStandings(const ModVars &vars)
{
    if (!ScoresAreSmall(vars))
        return;
    for (int g = 0; g < kGroupCount; ++g) {
        std::int64_t wins = 0, losses = 0, draws = 0, scored = 0, conceded = 0, played = 0;
        for (const auto &row : vars.GroupTeams[g]) {
            const std::int64_t w = ValueOf(row[Col::W]);
            const std::int64_t d = ValueOf(row[Col::D]);
            const std::int64_t l = ValueOf(row[Col::L]);
            Check(ValueOf(row[Col::Pts]) == 3 * w + d, "points are not 3 per win and 1 per draw");
            Check(w >= 0 && d >= 0 && l >= 0 && w + d + l <= 3, "a team played more than three matches");
            wins += w;
            losses += l;
            draws += d;
            scored += ValueOf(row[Col::GF]);
            conceded += ValueOf(row[Col::GA]);
        }
        for (int r : GroupMatchRows(g))
            played += vars.MatchTable[r][Match::goals1].isEmpty() ? 0 : 1;
        Check(wins == losses, "wins and losses of a group differ");
        Check(draws % 2 == 0 && wins + draws / 2 == played, "results do not add up to the matches played");
        Check(scored == conceded, "goals for and against of a group differ");
    }
}

// Each group table holds its four teams, each once, and GroupRanking copies it.
void CheckGroups(const ModVars &reference, const ModVars &vars)
{
    for (int g = 0; g < kGroupCount; ++g) {
        QStringList before, after;
        for (int k = 0; k < kTeamsPerGroup; ++k) {
            before << reference.GroupTeams[g][k][Col::Name];
            after << vars.GroupTeams[g][k][Col::Name];
            Check(vars.GroupRanking[g][k] == vars.GroupTeams[g][k][Col::Name],
                  "ranking is not the table order");
        }
        before.sort();
        after.sort();
        Check(before == after, "a group sort lost or duplicated a team");
    }
}

void CheckSortedByPoints(const ModVars &vars)
{
    for (const GroupTable &table : vars.GroupTeams)
        for (int k = 0; k + 1 < kTeamsPerGroup; ++k)
            Check(ValueOf(table[k][Col::Pts]) >= ValueOf(table[k + 1][Col::Pts]),
                  "automatic group order is not by points");
}

// A knockout slot filled by SetVarsMatch holds its placeholder or one of the
// two teams of the match that feeds it.
void CheckBracket(const ModVars &vars, const QString &champion)
{
    struct Feed {
        int from, row, side;
        const char *placeholder;
    };
    static constexpr Feed kFeeds[] = {
        {24, 28, Match::team1, "Winner #25"}, {25, 28, Match::team2, "Winner #26"},
        {26, 29, Match::team1, "Winner #27"}, {27, 29, Match::team2, "Winner #28"},
        {28, 30, Match::team1, "Winner #29"}, {29, 30, Match::team2, "Winner #30"},
    };
    for (const Feed &f : kFeeds) {
        const QString &name = vars.MatchTable[f.row][f.side];
        const MatchRow &from = vars.MatchTable[f.from];
        Check(name == QLatin1String(f.placeholder) || name == from[Match::team1] ||
                  name == from[Match::team2],
              "a knockout slot holds a team that did not play the match feeding it");
    }
    const MatchRow &final = vars.MatchTable[30];
    Check(champion == QLatin1String("Winner") || champion == final[Match::team1] ||
              champion == final[Match::team2],
          "the champion did not play the final");
    for (const BracketSlot &slot : kBracketSlots)
        Check(SlotText(vars, slot).endsWith(vars.MatchTable[slot.row][slot.side]),
              "a bracket text does not end with its team");
}

// The result dialog accepts a knockout score only when it decides a winner.
void CheckDialogRules(const ModVars &vars)
{
    for (int r = kFirstKnockoutRow; r < kMatchCount; ++r) {
        const MatchRow &row = vars.MatchTable[r];
        const ScoreEntry entry{row[Match::goals1], row[Match::goals2], row[Match::penalties1],
                               row[Match::penalties2]};
        const bool shown = PenaltiesShown(r, entry.goals1, entry.goals2);
        if (DecideOk(r, entry, shown) == OkOutcome::Store)
            Check(KnockoutWinner(row).has_value(), "the dialog accepted a knockout score without a winner");
    }
}

// The manual order window reads TeamList back unchanged when it is in the
// form that window writes: the switch 0 or 1 and 16 names.
void CheckManualChoices(const ModVars &vars)
{
    const QStringList elements = vars.TeamList.split(u',');
    if (elements.size() != 1 + kGroupCount * kTeamsPerGroup ||
        (elements[0] != QLatin1String("0") && elements[0] != QLatin1String("1")))
        return;
    Check(ComposeTeamList(StoredSwitch(vars), StoredChoices(vars)) == vars.TeamList,
          "the manual order window does not read TeamList back");
}

// The steps of the refresh cycle one by one, then the bracket window's.
void RunCycle(ModVars &vars)
{
    SetStatisticVars(vars);
    CheckStandings(vars);
    SetRankGroupA(vars);
    GroupSort(vars);
    SetRankGroupA(vars);
    UpdateMatchVars(vars);
    const QString champion = SetVarsMatch(vars);
    CheckBracket(vars, champion);
    CheckDialogRules(vars);
    CheckManualChoices(vars);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString inputPath = WorkDir().filePath(QStringLiteral("input.txt"));
    const QString savedPath = WorkDir().filePath(QString::fromLatin1(kResultsFileName));

    // Start-up through the file, and the same first line given to the parser.
    WriteFile(inputPath, input);
    ModVars loaded;
    StartupSequence(loaded, inputPath, {});
    ModVars parsed;
    InitFixtureData(parsed);
    ApplyResultsLine(parsed, FirstLine(input));
    const QByteArray line = ResultsLine(loaded);
    Check(ResultsLine(parsed) == line, "file load and line parse disagree");
    Check(parsed.ManualOrderFlag == loaded.ManualOrderFlag, "file load and line parse set different flags");
    CheckGroups(parsed, loaded);

    // The whole cycle under both sorts, on copies; the save must not change.
    for (const std::int16_t flag : {std::int16_t{0}, std::int16_t{1}}) {
        ModVars vars = loaded;
        vars.ManualOrderFlag = flag;
        RunCycle(vars);
        CheckGroups(loaded, vars);
        if (flag == 0)
            CheckSortedByPoints(vars);
        DialogRefreshSequence(vars, {});
        CheckStandings(vars);
        CheckGroups(loaded, vars);
        Check(ResultsLine(vars) == line, "the refresh cycle changed what is saved");
    }

    // Save, load the saved file into a fresh state, save again: same bytes.
    Check(line.endsWith("\r\n") && FirstLine(line).size() == line.size() - 2,
          "the results line is not one line ended by CR LF");
    Check(SaveToFile(loaded, savedPath), "save failed");
    const QByteArray saved = ReadFile(savedPath);
    Check(saved == line, "the saved file is not the results line");
    ModVars reloaded;
    StartupSequence(reloaded, savedPath, {});
    Check(ResultsLine(reloaded) == saved, "saved file does not load back to the same save");
    Check(reloaded.ManualOrderFlag == loaded.ManualOrderFlag, "saved file does not load back the same flag");
    UpdateRefreshSequence(reloaded, savedPath, {});
    Check(ResultsLine(reloaded) == saved, "loading the saved file twice changed it");
    return 0;
}
