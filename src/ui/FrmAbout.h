#pragma once

#include <QDialog>

namespace fixturo {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *parent = nullptr);
};

} // namespace fixturo
