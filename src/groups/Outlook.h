#pragma once

#include "state/Championship.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace fixturo {

// What can still happen in one group: every way its remaining matches (group
// rows whose goals1 is empty) can end, each ranked by the program's own
// refresh (recomputeStandings, then rankGroup, or the manual order when it is
// on) on a copy of the championship that holds the hypothetical scores. The
// group starts from its current table order, as the next refresh would.
//
// An "outcome" is one complete set of scores for the remaining matches. A
// drawn score ranks as 0-0 and a won score as its margin, so the outcomes
// reduce to a result per match (a draw, or a win of either side by a margin of
// at least one), and margins beyond a bound proven in Outlook.cpp reach no
// ranking that smaller ones do not.
//
// A team "goes through" in an outcome when it is among the first two of the
// ranked table.

enum class TeamStatus {
    CertainWinner, // first in every outcome
    Through,       // first or second in every outcome, and not always first
    Out,           // third or fourth in every outcome
    Open,          // through in some outcomes, out in others
};

// What a team needs from its next match: the remaining group match of the
// lowest row (the earliest in the fixture list). Each statement ranges over
// every way the group's OTHER remaining matches can end, margins included.
// "Enough" means: through in every such outcome; "can do" means: through in
// at least one.
enum class Need {
    NoMatchLeft,            // the team has played its three matches
    ThroughWhatever,        // a win, a draw and a defeat are each enough
    DrawEnough,             // a win and a draw are each enough, a defeat is not
    NeedsWin,               // a win is enough; a draw or a defeat can never do
    WinEnough,              // a win is enough; a draw or a defeat is not, but can do
                            // with other results (a wording of its own: it is
                            // none of the other statements)
    NeedsWinAndOtherResult, // only a win can do, and a win is not enough
    NeedsOtherResult,       // no result of its own is enough, but a draw or a
                            // defeat can do (a wording of its own as well)
    OutWhatever,            // no result can do
};

// One team of the group.
struct TeamOutlook {
    QString team;
    std::array<bool, kTeamsPerGroup> places{}; // places[k]: it can finish (k+1)-th
    TeamStatus status = TeamStatus::Open;
    Need need = Need::NoMatchLeft;
    std::optional<int> nextMatchRow; // the match `need` speaks of
};

// Teams the rules cannot separate in some outcome, where it matters: the
// teams are level on points, and either two of them have a level own match
// (drawn, or not played) and equal goal differences, or three of them beat
// one another in a cycle (each pair separated by its own match or, when that
// is level, by goal difference, and the three comparisons going round). The
// tie matters when one of the teams is ranked first or second in that
// outcome: the order then decides the group's winner or who goes through, and
// only the manual order can settle it. Each such set is listed once, teams in
// table order of the outcome where it was first met.
struct OpenTie {
    QStringList teams;
};

struct GroupOutlook {
    int group = 0;
    // The manual order is on: the imposed order decides every place (it does
    // not depend on any score), ties are not looked for.
    bool imposedOrder = false;
    std::array<TeamOutlook, kTeamsPerGroup> teams{}; // in current table order
    std::vector<OpenTie> openTies;
    int outcomeCount = 0;         // outcomes recorded (one per ranking computed, or per
                                  // pattern when one imposed order stands for all)
    std::int64_t marginBound = 0; // the widest margin among the rankings computed
};

// The outlook of group 0..3 of the championship, whose tables hold the current
// standings in the current order (as after a refresh). All four groups take a
// few milliseconds in any state; exact while goal differences stay below
// 10^15 (a results file holds at most nine digits per score). `fullSearchLimit`, for checking: within one
// pattern, up to this many combinations of margin sums are tried in full;
// beyond it only those near the vertices of the sign arrangement, which
// reach the same rankings (Outlook.cpp).
GroupOutlook groupOutlook(const Championship &championship, int group, std::int64_t fullSearchLimit = 4096);

// The outlooks of the four groups.
std::array<GroupOutlook, kGroupCount> groupOutlooks(const Championship &championship);

// The same, with every margin from 1 to `marginBound` tried in full for every
// outcome: no shortcut, for checking groupOutlook against a wider bound.
GroupOutlook groupOutlookByBruteForce(const Championship &championship, int group, int marginBound);

} // namespace fixturo
