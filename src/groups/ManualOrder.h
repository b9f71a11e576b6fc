#pragma once

#include "state/ModVars.h"

#include <QStringList>

#include <array>

namespace fixturo {

// The manual order as 16 names: index 4g+k is place k+1 of group g.
using ManualChoices = std::array<QString, kGroupCount * kTeamsPerGroup>;

// Reorders every group's rows to the order listed in TeamList. A row found at
// index 0 never moves; a listed name that is not in the group moves nothing; a
// group whose four names are not all present in TeamList is left as it is.
void ManualSort(ModVars &vars);

// The group sort of every refresh: ManualSort when ManualOrderFlag is not 0,
// otherwise BubbleSort on groups A, B, C and D.
void GroupSort(ModVars &vars);

// The stored choices of the manual order window: element 4g+k+1 of TeamList
// with every line feed removed, "" where TeamList is too short.
ManualChoices StoredChoices(const ModVars &vars);

// The check box value stored in TeamList: element 0 read as the results file
// loader reads it (an integer, non-zero for on); when it is no integer, the
// switch as it stands.
bool StoredSwitch(const ModVars &vars);

// After the user picked a name in list `index` of one group: every other list
// of that group that shows the same name is emptied.
void KeepUnique(ManualChoices &choices, int group, int index);

// True when all 16 choices are filled.
bool ChoicesComplete(const ManualChoices &choices);

// The TeamList stored by "Ok": the switch ("0" or "1"), then the 16 names.
QString ComposeTeamList(bool useManualOrder, const ManualChoices &choices);

} // namespace fixturo
