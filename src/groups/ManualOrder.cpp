#include "groups/ManualOrder.h"

#include "groups/Ranking.h"

#include <algorithm>

namespace fixturo {

void ManualSort(ModVars &vars)
{
    const QStringList elements = vars.TeamList.split(u',');
    for (int g = 0; g < kGroupCount; ++g) {
        if (elements.size() < 4 * g + 5)
            break; // this group and the ones after it are not listed in full
        GroupTable &table = vars.GroupTeams[g];
        for (int p = 0; p < kTeamsPerGroup; ++p) {
            const QString &wanted = elements[4 * g + p + 1];
            for (int i = 0; i < kTeamsPerGroup; ++i)
                if (table[i][Col::Name] == wanted && i != p && i > 0)
                    Swap(table, p, i);
        }
    }
}

void GroupSort(ModVars &vars)
{
    if (vars.ManualOrderFlag != 0) {
        ManualSort(vars);
        return;
    }
    for (GroupTable &table : vars.GroupTeams)
        BubbleSort(vars, table, kTeamsPerGroup - 1);
}

ManualChoices StoredChoices(const ModVars &vars)
{
    const QStringList elements = vars.TeamList.split(u',');
    ManualChoices choices;
    for (int n = 0; n < kGroupCount * kTeamsPerGroup; ++n)
        if (n + 1 < elements.size())
            choices[n] = QString(elements[n + 1]).remove(u'\n');
    return choices;
}

bool StoredSwitch(const ModVars &vars)
{
    // Read as the results file loader reads it: an element that is no integer
    // leaves the switch as it stands.
    const QStringView element = QStringView(vars.TeamList).left(vars.TeamList.indexOf(u','));
    return SwitchValue(element).value_or(vars.ManualOrderFlag) != 0;
}

void KeepUnique(ManualChoices &choices, int group, int index)
{
    const QString picked = choices[4 * group + index];
    for (int i = 0; i < kTeamsPerGroup; ++i)
        if (i != index && choices[4 * group + i] == picked)
            choices[4 * group + i].clear();
}

bool ChoicesComplete(const ManualChoices &choices)
{
    return std::none_of(choices.begin(), choices.end(), [](const QString &c) { return c.isEmpty(); });
}

QString ComposeTeamList(bool useManualOrder, const ManualChoices &choices)
{
    QString list = useManualOrder ? QStringLiteral("1") : QStringLiteral("0");
    for (const QString &name : choices)
        list += u',' + name;
    return list;
}

} // namespace fixturo
