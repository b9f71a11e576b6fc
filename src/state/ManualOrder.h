#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace fixturo {

constexpr int kGroupCount = 4; // groups A..D
constexpr int kTeamsPerGroup = 4;

// The manual order as 16 names: index 4g+k is place k+1 of group g.
using ManualChoices = std::array<QString, kGroupCount * kTeamsPerGroup>;

// The order the user imposes on the groups: a switch and 16 names. It is
// stored as the results file's last field, "switch,name,...,name", and that
// text is kept exactly as read, so that a file saves back as it was.
class ManualOrder {
public:
    // The switch off, then the groups in draw order.
    static constexpr const char *kInitialText =
        "0,Portugal,Turkey,Switzerland,Czech Republic,Austria,Croatia,Germany,Poland,"
        "France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden";

    ManualOrder() = default;

    // Whether the groups follow the imposed order instead of the rules.
    bool isOn() const { return m_on; }

    // The stored text, as the results file holds it.
    const QString &text() const { return m_text; }

    // The file's rule: the text is kept whole; its element 0 sets the switch
    // when it is an integer within 16 bits (blanks around it allowed), and
    // leaves the switch as it stands otherwise.
    void readText(const QString &text);

    // What the window's "Ok" stores: the switch and the 16 names.
    void set(bool on, const ManualChoices &choices);

    // The same names with the switch off ("0" in place of element 0).
    ManualOrder switchedOff() const;

    // The names the text lists, element 1 onwards, in file order.
    QStringList listedNames() const;

    // The window's lists: element 4g+k+1 with every line feed removed, ""
    // where the text is too short.
    ManualChoices choices() const;

    // The window's check box: element 0 read by the file's rule; when it is
    // no integer, the switch as it stands.
    bool storedSwitch() const;

    bool operator==(const ManualOrder &) const = default;

private:
    QString m_text = QString::fromLatin1(kInitialText);
    bool m_on = false;
};

// The switch value of element 0, read by the file's rule: an integer within 16
// bits, or nothing.
std::optional<bool> switchValue(QStringView element);

// After the user picked a name in list `place` of one group: every other list
// of that group that shows the same name is emptied.
void keepUnique(ManualChoices &choices, int group, int place);

// True when all 16 choices are filled.
bool choicesComplete(const ManualChoices &choices);

} // namespace fixturo
