#include "ui/Message.h"

#include <deque>

namespace fixturo {

namespace {

std::deque<MessageAnswer> &answers()
{
    static std::deque<MessageAnswer> answers;
    return answers;
}

MessageAnswer &fallback()
{
    static MessageAnswer fallback;
    return fallback;
}

} // namespace

QMessageBox::StandardButton showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons,
                                        const QString &detail)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (!detail.isEmpty())
        box.setDetailedText(detail);
    return showMessage(box);
}

QMessageBox::StandardButton showMessage(QMessageBox &box)
{
    if (!answers().empty()) {
        const MessageAnswer answer = std::move(answers().front());
        answers().pop_front();
        return answer(box);
    }
    if (fallback())
        return fallback()(box);
    box.exec();
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    return pressed == QMessageBox::NoButton ? box.standardButton(box.escapeButton()) : pressed;
}

void answerNextMessage(MessageAnswer answer)
{
    answers().push_back(std::move(answer));
}

void setMessageFallback(MessageAnswer answer)
{
    fallback() = std::move(answer);
}

int pendingMessageAnswers()
{
    return static_cast<int>(answers().size());
}

} // namespace fixturo
