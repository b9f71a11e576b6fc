#include "ui/ClickableLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace fixturo {

ClickableLabel::ClickableLabel(QWidget *parent, Trigger trigger) : QLabel(parent), m_trigger(trigger) {}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText));
    pen.setWidth(2);
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    // The label takes the press, so that the release comes back to it.
    event->accept();
    if (m_trigger == Trigger::Press)
        emit clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (m_trigger == Trigger::Release && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    emit pointed();
    QLabel::mouseMoveEvent(event);
}

void ClickableLabel::enterEvent(QEnterEvent *event)
{
    emit pointed();
    QLabel::enterEvent(event);
}

void ClickableLabel::focusInEvent(QFocusEvent *event)
{
    emit pointed();
    QLabel::focusInEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    if (m_keyHandler && m_keyHandler(*event)) {
        event->accept();
        return;
    }
    const bool activates =
        event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (activates && !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace fixturo
