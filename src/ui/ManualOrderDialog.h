#pragma once

#include "state/Championship.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace fixturo {

// The manual order window: one pick-only list per place of each group, the
// switch, and a caption saying what the switch does. "Ok" accepts when every
// list has a name; the close box keeps nothing. The caller stores order() when
// the window was accepted.
class ManualOrderDialog : public QDialog {
    Q_OBJECT
public:
    explicit ManualOrderDialog(const Championship &championship, QWidget *parent = nullptr);

    // The order accepted by "Ok".
    ManualOrder order() const { return m_order; }

private:
    void buildLayout();
    // The lists offer each group's teams in table order. With the manual
    // order on they show its stored names; off, the current tables
    // (groupTables), so that a group left untouched keeps its ranking. The
    // check box shows the stored switch.
    void showOrder(const Championship &championship);
    // The 16 lists' texts, "" for a list without a choice.
    ManualChoices choices() const;
    // After a pick in list `place` of `group`: the group's other lists that
    // show the same name are emptied.
    void teamPicked(int group, int place);
    // "Ok": with every list filled, keeps the order and accepts; otherwise
    // asks for the rest and stays open.
    void accept() override;

    ManualOrder m_order;
    QCheckBox *m_useManualOrder = nullptr;
    std::array<QGroupBox *, kGroupCount> m_groupFrames{};
    // m_lists[g][k]: list k (place k+1) of group g.
    std::array<std::array<QComboBox *, kTeamsPerGroup>, kGroupCount> m_lists{};
    QPushButton *m_okButton = nullptr;
};

} // namespace fixturo
