#pragma once

#include "state/Championship.h"

#include <QWidget>

#include <array>

class QKeyEvent;
class QLabel;

namespace fixturo {

class ClickableLabel;

// The daily schedule of the 24 group matches on its dark panel: one line per
// match with the two teams' flags. One line at most is marked: the pointer
// marks the line under it and the keys the line they move to; while a line has
// the keyboard focus, the focus follows the pointer's mark, so that the
// focused line and the marked one are the same. A click, Enter or Space on a
// line emits matchActivated(row). The schedule is one tab stop, the line last
// used, and the arrow, Page and Home/End keys move along it.
class ScheduleView : public QWidget {
    Q_OBJECT
public:
    explicit ScheduleView(QWidget *parent = nullptr);

    void showLines(const Championship &championship);
    void showFlags(const Championship &championship);

    // Makes `row` the schedule's tab stop, gives it the focus and marks it.
    void focusLine(int row);

signals:
    void matchActivated(int row);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;

private:
    // The pointer or the focus came to line `row`: marks it, and moves the
    // focus there when another schedule line has it.
    void lineMarked(int row);
    void highlightLine(int row);
    void clearHighlight();
    void setLook(int row, bool highlighted);
    bool handleKey(int row, const QKeyEvent &key);

    int m_highlighted = -1;
    std::array<ClickableLabel *, kGroupMatchCount> m_lines{};
    std::array<QLabel *, 2 * kGroupMatchCount> m_flags{};
};

} // namespace fixturo
