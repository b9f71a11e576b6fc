#include "ui/Message.h"

#include <deque>

namespace fixturo {

namespace {

std::deque<MessageAnswer> &Answers()
{
    static std::deque<MessageAnswer> answers;
    return answers;
}

MessageAnswer &Fallback()
{
    static MessageAnswer fallback;
    return fallback;
}

} // namespace

QMessageBox::StandardButton Message(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                    const QString &text, QMessageBox::StandardButtons buttons,
                                    const QString &detail)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (!detail.isEmpty())
        box.setDetailedText(detail);
    return Message(box);
}

QMessageBox::StandardButton Message(QMessageBox &box)
{
    if (!Answers().empty()) {
        const MessageAnswer answer = std::move(Answers().front());
        Answers().pop_front();
        return answer(box);
    }
    if (Fallback())
        return Fallback()(box);
    box.exec();
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    return pressed == QMessageBox::NoButton ? box.standardButton(box.escapeButton()) : pressed;
}

void AnswerNextMessage(MessageAnswer answer)
{
    Answers().push_back(std::move(answer));
}

void SetMessageFallback(MessageAnswer answer)
{
    Fallback() = std::move(answer);
}

int PendingMessageAnswers()
{
    return static_cast<int>(Answers().size());
}

} // namespace fixturo
