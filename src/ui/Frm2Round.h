#pragma once

#include "state/ModVars.h"

#include <QDialog>

namespace fixturo {

class Frm2Round : public QDialog {
    Q_OBJECT
public:
    explicit Frm2Round(ModVars &vars, QWidget *parent = nullptr);

private:
    ModVars &m_vars;
};

} // namespace fixturo
