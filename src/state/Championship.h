#pragma once

#include "state/ManualOrder.h"

#include <QSize>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace fixturo {

constexpr int kMatchCount = 31;      // rows 0..30: match r+1
constexpr int kGroupMatchCount = 24; // rows 0..23 are group matches
constexpr int kFirstKnockoutRow = 24;
constexpr int kFinalRow = 30;

// The two sides of a match.
enum class Side { First, Second };

// A match's score as typed or stored: texts, so that "01" stays "01". Empty
// goals mean not played; penalties are empty unless a knockout draw needed them.
struct Score {
    QString goals1, goals2, penalties1, penalties2;

    const QString &goals(Side side) const { return side == Side::First ? goals1 : goals2; }
    const QString &penalties(Side side) const { return side == Side::First ? penalties1 : penalties2; }
    bool operator==(const Score &) const = default;
};

// One of the 31 matches: who, when and where from the fixture list, and its score.
struct Match {
    QString team1, team2;
    QString date, time, city, stadium;
    QString group; // "Group A".."Group D", or the knockout stage ("QF", "SF", "F")
    Score score;

    const QString &team(Side side) const { return side == Side::First ? team1 : team2; }
    QString &team(Side side) { return side == Side::First ? team1 : team2; }
    // A match counts as played when its first goal box is filled.
    bool played() const { return !score.goals1.isEmpty(); }
};

// One row of a group table.
struct Standing {
    QString team;
    std::int64_t points = 0, won = 0, drawn = 0, lost = 0, goalsFor = 0, goalsAgainst = 0;
};
using GroupTable = std::array<Standing, kTeamsPerGroup>;

// The whole championship: a plain copyable value. One lives for the program's
// run and is handed by reference to every window and rule.
struct Championship {
    std::array<Match, kMatchCount> matches{};
    std::array<GroupTable, kGroupCount> groupTables{};
    std::array<std::array<QString, kTeamsPerGroup>, kGroupCount> groupOrder{};
    ManualOrder manualOrder;
};

// The fixture list with no result, the groups in draw order, the manual order
// switched off.
Championship initialChampionship();

// The state of a fresh championship: the fixture list without any result and
// with the manual order switched off; the stored team order stays.
Championship freshChampionship(const Championship &championship);

// The rows of the six matches of a group (0..3).
const std::array<int, 6> &groupMatchRows(int group);

// Lenient number reading: the number at the start of the text (leading blanks
// and one sign allowed); an empty or non-numeric text counts as 0. The value is
// clamped to +-kNumberLimit so that any sum of them fits a 64-bit integer.
inline constexpr std::int64_t kNumberLimit = 1'000'000'000'000'000LL;
std::int64_t valueOf(QStringView text);

// A standing as a number reads back: clamped to +-kNumberLimit.
std::int64_t clampedValue(std::int64_t value);

// The flag key of a team name: every space removed, upper case
// ("Czech Republic" -> "CZECHREPUBLIC"). Names compare without case this way.
QString flagKey(const QString &team);

// The 16 team flag keys; a name whose key is not among them has no flag.
bool hasFlag(const QString &team);

// The shape of a team's flag wherever it is shown, in pixels at 96 dots per
// inch: 20 wide and 13 high (Croatia 10, Germany 12).
QSize flagSize(const QString &team);

// The path of a team's encyclopedia article, or an empty text for a name that
// is none of the 16 teams (exact, case-sensitive comparison).
QString teamArticlePath(const QString &team);

} // namespace fixturo
