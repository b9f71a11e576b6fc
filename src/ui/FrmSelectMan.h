#pragma once

#include "state/ModVars.h"

#include <QDialog>

namespace fixturo {

class FrmSelectMan : public QDialog {
    Q_OBJECT
public:
    explicit FrmSelectMan(ModVars &vars, QWidget *parent = nullptr);

private:
    ModVars &m_vars;
};

} // namespace fixturo
