#pragma once

#include <QByteArray>

namespace fixturo::bench {

// The results file of a whole tournament: every group match, the
// quarter-finals (two of them on penalties), the semi-finals and the final.
inline const QByteArray kFullTournament =
    "0,1|2,0|0,1|2,0|0,0|3,0|4,1|0,2|1,3|1,2|2,1|1,1|1,1|4,1|1,2|0,1|2,0|3,2|0,1|0,1|2,0|0,2|1,2|2,0|"
    "2,3|1,1,1,3|1,3|0,0,4,2|3,2|0,3|0,1|"
    "0,Portugal,Turkey,Switzerland,Czech Republic,Austria,Croatia,Germany,Poland,France,Italy,"
    "Netherlands,Romania,Greece,Russia,Spain,Sweden\r\n";

} // namespace fixturo::bench
