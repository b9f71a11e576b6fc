#pragma once

#include "state/Championship.h"

#include <QRectF>

class QPainter;

namespace fixturo {

// The championship on one landscape page: the four group tables with their
// flags and statistics, the 24 group matches with their dates and results, and
// the bracket with every slot, its flags and the champion. The same drawing
// serves the printer and every export. The state is not changed: the bracket's
// later rounds are worked out on a copy, as the bracket window does.

// Draws the page into `page` (device coordinates of the painter), keeping its
// proportions (those of an A4 sheet on its side) and centring it.
void drawChampionship(QPainter &painter, const QRectF &page, const Championship &championship);

} // namespace fixturo
