#include "ui/Pictures.h"

namespace fixturo {

QPixmap FlagPicture(const QString &)
{
    return {};
}

QPixmap StadiumPicture(Stadium)
{
    return {};
}

QPixmap AboutPicture()
{
    return {};
}

QIcon ProgramIcon()
{
    return {};
}

QCursor MatchCursor()
{
    return QCursor(Qt::PointingHandCursor);
}

QCursor CrossCursor()
{
    return QCursor(Qt::CrossCursor);
}

QCursor LinkCursor()
{
    return QCursor(Qt::PointingHandCursor);
}

} // namespace fixturo
