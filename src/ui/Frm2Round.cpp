#include "ui/Frm2Round.h"

namespace fixturo {

Frm2Round::Frm2Round(ModVars &vars, QWidget *parent) : QDialog(parent), m_vars(vars) {}

} // namespace fixturo
