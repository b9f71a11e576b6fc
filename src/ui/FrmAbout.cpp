#include "ui/FrmAbout.h"

namespace fixturo {

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent) {}

} // namespace fixturo
