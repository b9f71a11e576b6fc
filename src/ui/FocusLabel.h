#pragma once

#include <QLabel>

namespace fixturo {

// A label that can take the keyboard focus (a schedule line, a bracket match)
// and shows it: a rectangle in its own text colour, so that it stands out on
// whatever background the label has at the moment.
class FocusLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace fixturo
