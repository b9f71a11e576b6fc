#include "ui/FrmSelectMan.h"

namespace fixturo {

FrmSelectMan::FrmSelectMan(ModVars &vars, QWidget *parent) : QDialog(parent), m_vars(vars) {}

} // namespace fixturo
