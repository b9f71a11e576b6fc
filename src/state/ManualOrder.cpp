#include "state/ManualOrder.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace fixturo {

std::optional<bool> switchValue(QStringView element)
{
    bool isInteger = false;
    const int value = element.trimmed().toInt(&isInteger);
    if (!isInteger || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return value != 0;
}

void ManualOrder::readText(const QString &text)
{
    m_text = text;
    if (const std::optional<bool> on = switchValue(QStringView(m_text).left(m_text.indexOf(u','))))
        m_on = *on;
}

void ManualOrder::set(bool on, const ManualChoices &choices)
{
    m_on = on;
    m_text = on ? QStringLiteral("1") : QStringLiteral("0");
    for (const QString &name : choices)
        m_text += u',' + name;
}

ManualOrder ManualOrder::switchedOff() const
{
    ManualOrder off;
    if (const qsizetype names = m_text.indexOf(u','); names >= 0)
        off.m_text = u'0' + m_text.mid(names);
    return off;
}

QStringList ManualOrder::listedNames() const
{
    return m_text.split(u',').mid(1);
}

ManualChoices ManualOrder::choices() const
{
    const QStringList names = listedNames();
    ManualChoices choices;
    for (int n = 0; n < kGroupCount * kTeamsPerGroup && n < names.size(); ++n)
        choices[n] = QString(names[n]).remove(u'\n');
    return choices;
}

bool ManualOrder::storedSwitch() const
{
    return switchValue(QStringView(m_text).left(m_text.indexOf(u','))).value_or(m_on);
}

void keepUnique(ManualChoices &choices, int group, int place)
{
    const QString picked = choices[kTeamsPerGroup * group + place];
    for (int k = 0; k < kTeamsPerGroup; ++k)
        if (k != place && choices[kTeamsPerGroup * group + k] == picked)
            choices[kTeamsPerGroup * group + k].clear();
}

bool choicesComplete(const ManualChoices &choices)
{
    return std::none_of(choices.begin(), choices.end(), [](const QString &c) { return c.isEmpty(); });
}

} // namespace fixturo
