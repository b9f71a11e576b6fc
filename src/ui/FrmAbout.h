#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace fixturo {

// The about window: a picture that closes the window when clicked, and the
// freeware notice beneath it.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Image1_Click();

    QLabel *m_image1 = nullptr;
    QPlainTextEdit *m_text1 = nullptr;
};

} // namespace fixturo
