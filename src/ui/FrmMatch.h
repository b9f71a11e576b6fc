#pragma once

#include "state/ModVars.h"

#include <QDialog>

namespace fixturo {

class FrmMatch : public QDialog {
    Q_OBJECT
public:
    explicit FrmMatch(ModVars &vars, QWidget *parent = nullptr);

private:
    ModVars &m_vars;
};

} // namespace fixturo
