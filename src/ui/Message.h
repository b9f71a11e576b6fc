#pragma once

#include <QMessageBox>

#include <functional>

namespace fixturo {

// Every message box of the program is shown here: modal, plain text, with the
// given buttons; returns the button pressed. `detail` becomes the box's
// detailed text (the reason behind a failure) when not empty.
QMessageBox::StandardButton showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                        const QString &text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        const QString &detail = {});

// The same for a box its caller has set up (button captions, default button).
QMessageBox::StandardButton showMessage(QMessageBox &box);

// The seam for tests: the next message is not shown; `answer` gets the box as
// it would have appeared and returns the button pressed. Answers are used in
// the order they were given. When none is waiting, the fallback (if set)
// answers instead of a real box, so that a test never blocks on one.
using MessageAnswer = std::function<QMessageBox::StandardButton(const QMessageBox &box)>;
void answerNextMessage(MessageAnswer answer);
void setMessageFallback(MessageAnswer answer);
int pendingMessageAnswers();

} // namespace fixturo
