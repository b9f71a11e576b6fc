#pragma once

#include "groups/ManualOrder.h"
#include "state/ModVars.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace fixturo {

// The manual order window: one pick-only list per place of each group and the
// switch. "Ok" stores ManualOrderFlag and TeamList when every list has a
// name; the close box stores nothing.
class FrmSelectMan : public QDialog {
    Q_OBJECT
public:
    explicit FrmSelectMan(ModVars &vars, QWidget *parent = nullptr);

private:
    void BuildLayout();
    void setv();
    ManualChoices Choices() const;
    void CmbSelectTeam_Click(int group, int index);
    void Command1_Click();

    ModVars &m_vars;
    QCheckBox *m_chManOrd = nullptr;
    std::array<QGroupBox *, kGroupCount> m_frames{};
    // m_lists[g][k]: list k (place k+1) of group g.
    std::array<std::array<QComboBox *, kTeamsPerGroup>, kGroupCount> m_lists{};
    QPushButton *m_command1 = nullptr;
};

} // namespace fixturo
