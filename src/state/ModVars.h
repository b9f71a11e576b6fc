#pragma once

#include <QSize>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

namespace fixturo {

// Fields of a MatchTable row.
namespace Match {
enum Field : int {
    team1 = 0,
    team2,
    date,
    time,
    city,
    goals1,
    goals2,
    penalties1,
    penalties2,
    group,
    stadium,
    FieldCount
};
}

// Columns of a GroupTeams table.
namespace Col {
enum Column : int { Name = 0, Pts, W, D, L, GF, GA, ColumnCount };
}

constexpr int kMatchCount = 31;      // rows 0..30: match r+1
constexpr int kGroupMatchCount = 24; // rows 0..23 are group matches
constexpr int kGroupCount = 4;       // groups A..D
constexpr int kTeamsPerGroup = 4;

using MatchRow = std::array<QString, Match::FieldCount>;
using GroupTable = std::array<std::array<QString, Col::ColumnCount>, kTeamsPerGroup>;

// The whole tournament state. One object lives for the program's run and is
// handed by reference to every window and rule.
struct ModVars {
    std::array<MatchRow, kMatchCount> MatchTable{};
    std::array<GroupTable, kGroupCount> GroupTeams{};
    std::array<std::array<QString, kTeamsPerGroup>, kGroupCount> GroupRanking{};
    QString TeamList;
    std::int16_t ManualOrderFlag = 0;
    std::int16_t SelectedMatch = 0;
};

// The start value of TeamList: the switch off, then the groups in fixture order.
inline constexpr const char *kInitialTeamList =
    "0,Portugal,Turkey,Switzerland,Czech Republic,Austria,Croatia,Germany,Poland,"
    "France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden";

// Fills the state with the fixture list and the start values.
void InitFixtureData(ModVars &vars);

// The state of a fresh championship: the fixture list without any result and
// with the manual order switched off; the team order stored in TeamList stays.
ModVars FreshChampionship(const ModVars &vars);

// True when a result field (goals or penalties) of row `row` differs.
bool ResultChanged(const ModVars &a, const ModVars &b, int row);

// The MatchTable rows of the six matches of a group (0..3).
const std::array<int, 6> &GroupMatchRows(int group);

// Lenient number reading: the number at the start of the text (leading blanks
// and one sign allowed); an empty or non-numeric text counts as 0. The value is
// clamped to +-kNumberLimit so that any sum of them fits a 64-bit integer.
inline constexpr std::int64_t kNumberLimit = 1'000'000'000'000'000LL;
std::int64_t ValueOf(QStringView text);

// The manual order switch in TeamList's element 0, read as the results file
// loader reads it: an integer (blanks around it allowed) within 16 bits, or
// nothing when the element is no such integer.
std::optional<std::int16_t> SwitchValue(QStringView element);

// The flag key of a team name: every space removed, upper case
// ("Czech Republic" -> "CZECHREPUBLIC"). Names compare without case this way.
QString FlagKey(const QString &name);

// The 16 team flag keys; a name whose key is not among them has no flag.
bool HasFlag(const QString &name);

// The shape of a team's flag wherever it is shown, in pixels at 96 dots per
// inch: 20 wide and 13 high (Croatia 10, Germany 12).
QSize FlagSize(const QString &name);

// The path of a team's encyclopedia article, or an empty text for a name that
// is none of the 16 teams (exact, case-sensitive comparison).
QString TeamArticlePath(const QString &name);

} // namespace fixturo
