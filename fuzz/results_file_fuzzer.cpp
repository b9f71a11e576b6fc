// Feeds arbitrary bytes to the program as its results file and runs them
// through the whole start-up and refresh cycle of the core: loading, standings,
// both group sorts, ranking, quarter-final pairings, knockout winners, the
// bracket texts and the save. Then checks what must hold for any file:
//
// - the first line read from the file is the line the parser is given;
// - the refresh steps never change what the save writes;
// - the standings add up and an automatic group sort orders by points;
// - every sort only permutes the four teams of a group;
// - the bracket holds only teams that played the matches feeding it, and the
//   result dialog stores no knockout score without a winner;
// - the manual order window gives back the stored text when it is in the
//   window's shape;
// - the save writes exactly the results line, and that file, loaded into a
//   fresh state, saves to the same bytes again.
//
// Any broken check aborts, so libFuzzer keeps the input as a crash.

#include "app/Refresh.h"
#include "groups/Ranking.h"
#include "groups/Standings.h"
#include "knockout/Knockout.h"
#include "knockout/ResultRules.h"
#include "state/Championship.h"
#include "state/ManualOrder.h"
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

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "results_file_fuzzer: %s\n", what);
    std::fflush(stderr);
    __builtin_trap();
}

void check(bool condition, const char *what)
{
    if (!condition)
        fail(what);
}

// One folder per fuzzing process, removed when it exits.
const QTemporaryDir &WorkDir()
{
    static const QTemporaryDir dir;
    if (!dir.isValid())
        fail("cannot create a temporary folder");
    return dir;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the input file");
    check(file.write(bytes) == bytes.size(), "short write of the input file");
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    check(file.open(QIODevice::ReadOnly), "cannot read the saved file");
    return file.readAll();
}

// The line the load reads: everything before the first CR or LF.
QByteArray firstLine(const QByteArray &bytes)
{
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
    return bytes.left(end);
}

// True when every score text is a small number, so no sum is clamped.
bool scoresAreSmall(const Championship &championship)
{
    constexpr std::int64_t kSmall = 1'000'000'000;
    for (int r = 0; r < kGroupMatchCount; ++r)
        for (Side side : {Side::First, Side::Second}) {
            const std::int64_t v = valueOf(championship.matches[r].score.goals(side));
            if (v > kSmall || v < -kSmall)
                return false;
        }
    return true;
}

void checkStandings(const Championship &championship)
{
    if (!scoresAreSmall(championship))
        return;
    for (int g = 0; g < kGroupCount; ++g) {
        std::int64_t wins = 0, losses = 0, draws = 0, scored = 0, conceded = 0, played = 0;
        for (const Standing &s : championship.groupTables[g]) {
            check(s.points == 3 * s.won + s.drawn, "points are not 3 per win and 1 per draw");
            check(s.won >= 0 && s.drawn >= 0 && s.lost >= 0 && s.won + s.drawn + s.lost <= 3,
                  "a team played more than three matches");
            wins += s.won;
            losses += s.lost;
            draws += s.drawn;
            scored += s.goalsFor;
            conceded += s.goalsAgainst;
        }
        for (int r : groupMatchRows(g))
            played += championship.matches[r].played() ? 1 : 0;
        check(wins == losses, "wins and losses of a group differ");
        check(draws % 2 == 0 && wins + draws / 2 == played, "results do not add up to the matches played");
        check(scored == conceded, "goals for and against of a group differ");
    }
}

// Each group table holds its four teams, each once, and groupOrder copies it.
void checkGroups(const Championship &reference, const Championship &championship)
{
    for (int g = 0; g < kGroupCount; ++g) {
        QStringList before, after;
        for (int k = 0; k < kTeamsPerGroup; ++k) {
            before << reference.groupTables[g][k].team;
            after << championship.groupTables[g][k].team;
            check(championship.groupOrder[g][k] == championship.groupTables[g][k].team,
                  "the recorded group order is not the table order");
        }
        before.sort();
        after.sort();
        check(before == after, "a group sort lost or duplicated a team");
    }
}

void checkSortedByPoints(const Championship &championship)
{
    for (const GroupTable &table : championship.groupTables)
        for (int k = 0; k + 1 < kTeamsPerGroup; ++k)
            check(table[k].points >= table[k + 1].points, "automatic group order is not by points");
}

// A knockout slot filled by advanceKnockoutWinners holds its placeholder or
// one of the two teams of the match that feeds it.
void checkBracket(const Championship &championship, const QString &champion)
{
    struct Feed {
        int from;
        BracketSlot slot;
        const char *placeholder;
    };
    static constexpr Feed kFeeds[] = {
        {24, {28, Side::First}, "Winner #25"}, {25, {28, Side::Second}, "Winner #26"},
        {26, {29, Side::First}, "Winner #27"}, {27, {29, Side::Second}, "Winner #28"},
        {28, {30, Side::First}, "Winner #29"}, {29, {30, Side::Second}, "Winner #30"},
    };
    for (const Feed &f : kFeeds) {
        const QString &name = championship.matches[f.slot.row].team(f.slot.side);
        const Match &from = championship.matches[f.from];
        check(name == QLatin1String(f.placeholder) || name == from.team1 || name == from.team2,
              "a knockout slot holds a team that did not play the match feeding it");
    }
    const Match &final = championship.matches[kFinalRow];
    check(champion == QLatin1String("Winner") || champion == final.team1 || champion == final.team2,
          "the champion did not play the final");
    for (const BracketSlot &slot : kBracketSlots)
        check(slotText(championship, slot).endsWith(championship.matches[slot.row].team(slot.side)),
              "a bracket text does not end with its team");
}

// The result dialog accepts a knockout score only when it decides a winner.
void checkDialogRules(const Championship &championship)
{
    for (int r = kFirstKnockoutRow; r < kMatchCount; ++r) {
        const Match &match = championship.matches[r];
        const bool shown = penaltiesShown(r, match.score.goals1, match.score.goals2);
        if (decideOk(r, match.score, shown) == OkOutcome::Store)
            check(knockoutWinner(match).has_value(), "the dialog accepted a knockout score without a winner");
    }
}

// The manual order window gives back the stored text unchanged when it is in
// the shape that window writes: the switch 0 or 1 and 16 names.
void checkManualChoices(const Championship &championship)
{
    const ManualOrder &stored = championship.manualOrder;
    const QStringList elements = stored.text().split(u',');
    if (elements.size() != 1 + kGroupCount * kTeamsPerGroup ||
        (elements[0] != QLatin1String("0") && elements[0] != QLatin1String("1")))
        return;
    ManualOrder fromWindow;
    fromWindow.set(stored.storedSwitch(), stored.choices());
    check(fromWindow.text() == stored.text(), "the manual order window does not give the stored text back");
}

// The steps of the refresh cycle one by one, then the bracket window's.
void runCycle(Championship &championship)
{
    recomputeStandings(championship);
    checkStandings(championship);
    recordGroupOrder(championship);
    sortGroups(championship);
    recordGroupOrder(championship);
    fillQuarterFinals(championship);
    const QString champion = advanceKnockoutWinners(championship);
    checkBracket(championship, champion);
    checkDialogRules(championship);
    checkManualChoices(championship);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString inputPath = WorkDir().filePath(QStringLiteral("input.txt"));
    const QString savedPath = WorkDir().filePath(QString::fromLatin1(kResultsFileName));

    // Start-up through the file, and the same first line given to the parser.
    writeFile(inputPath, input);
    Championship loaded;
    startUp(loaded, inputPath, {});
    Championship parsed = initialChampionship();
    applyResultsLine(parsed, firstLine(input));
    const QByteArray line = resultsLine(loaded);
    check(resultsLine(parsed) == line, "file load and line parse disagree");
    check(parsed.manualOrder.isOn() == loaded.manualOrder.isOn(),
          "file load and line parse set the manual order switch differently");
    checkGroups(parsed, loaded);

    // The whole cycle on copies, the switch first forced off and then on (a
    // text whose element 0 is an integer sets it all the same); the save must
    // not change.
    for (const char *forced : {"0", "1"}) {
        Championship championship = loaded;
        championship.manualOrder.readText(QString::fromLatin1(forced));
        championship.manualOrder.readText(loaded.manualOrder.text());
        runCycle(championship);
        checkGroups(loaded, championship);
        if (!championship.manualOrder.isOn())
            checkSortedByPoints(championship);
        refreshAfterEdit(championship, {});
        checkStandings(championship);
        checkGroups(loaded, championship);
        check(resultsLine(championship) == line, "the refresh cycle changed what is saved");
    }

    // Save, load the saved file into a fresh state, save again: same bytes.
    check(line.endsWith("\r\n") && firstLine(line).size() == line.size() - 2,
          "the results line is not one line ended by CR LF");
    check(saveResultsFile(loaded, savedPath), "save failed");
    const QByteArray saved = readFile(savedPath);
    check(saved == line, "the saved file is not the results line");
    Championship reloaded;
    startUp(reloaded, savedPath, {});
    check(resultsLine(reloaded) == saved, "saved file does not load back to the same save");
    check(reloaded.manualOrder.isOn() == loaded.manualOrder.isOn(),
          "saved file does not load back the same manual order switch");
    refreshAfterDownload(reloaded, savedPath, {});
    check(resultsLine(reloaded) == saved, "loading the saved file twice changed it");
    return 0;
}
