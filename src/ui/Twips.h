#pragma once

#include <QRect>

namespace fixturo {

// Layout geometry is written in twips: 15 to the pixel at 96 dots per inch.
constexpr int twips(int twips)
{
    return (twips >= 0 ? twips + 7 : twips - 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace fixturo
