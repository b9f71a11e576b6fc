#include "ui/FrmMatch.h"

namespace fixturo {

FrmMatch::FrmMatch(ModVars &vars, QWidget *parent) : QDialog(parent), m_vars(vars) {}

} // namespace fixturo
