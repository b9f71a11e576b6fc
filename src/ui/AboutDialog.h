#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace fixturo {

class ClickableLabel;

// The about window: a picture that closes the window when clicked, and the
// freeware notice beneath it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

private:
    ClickableLabel *m_picture = nullptr;
    QPlainTextEdit *m_notice = nullptr;
};

} // namespace fixturo
