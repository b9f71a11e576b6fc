#pragma once

#include <QLabel>

#include <functional>

class QKeyEvent;

namespace fixturo {

// A label that acts when it is clicked: a schedule line, a team link, a
// bracket match area, the home-page link. When it has the keyboard focus it
// shows it, as a dotted rectangle in its own text colour, so that it stands
// out on whatever background the label has at the moment. Enter, Return or
// Space on a focused label acts as a click unless its key handler takes the key;
// whether Tab or a click gives it the focus is its focus policy (none by default).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    // When a left click acts: on the press (and on the second press of a
    // double click), or on a release inside the label.
    enum class Trigger { Press, Release };

    explicit ClickableLabel(QWidget *parent = nullptr, Trigger trigger = Trigger::Release);

    // Keys pressed while the label has the focus go here first; true when
    // the handler used the key. Otherwise Enter, Return and Space (with no
    // modifier but the keypad's) emit clicked().
    void setKeyHandler(std::function<bool(const QKeyEvent &)> handler) { m_keyHandler = std::move(handler); }

signals:
    // A left click, by the label's trigger.
    void clicked();
    // The pointer entered or moved over the label, or the label took the focus.
    void pointed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Trigger m_trigger;
    std::function<bool(const QKeyEvent &)> m_keyHandler;
};

} // namespace fixturo
