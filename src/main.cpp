#include "ui/FrmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fixturo"));
    fixturo::ModVars vars;
    fixturo::FrmMain window(vars, fixturo::ResultsFilePath());
    window.show();
    return app.exec();
}
