#pragma once

#include "app/Sequences.h"

#include <QMainWindow>

namespace fixturo {

class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    FrmMain(ModVars &vars, QString resultsPath, QWidget *parent = nullptr);

private:
    ModVars &m_vars;
    QString m_resultsPath;
};

} // namespace fixturo
