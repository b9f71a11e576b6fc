#pragma once

#include <QRect>

namespace fixturo {

// Layout geometry is written in twips: 15 to the pixel at 96 dots per inch.
constexpr int Twips(int twips)
{
    return (twips >= 0 ? twips + 7 : twips - 7) / 15;
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

} // namespace fixturo
