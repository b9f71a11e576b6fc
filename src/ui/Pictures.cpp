#include "ui/Pictures.h"

#include "state/Championship.h"
#include "storage/FileIo.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace fixturo {

namespace {

// Device pixels per device-independent pixel, rounded up to a whole number so
// that a picture keeps its exact size in device-independent pixels.
int pixelRatio()
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return std::max(1, static_cast<int>(std::ceil(ratio - 0.01)));
}

// Draws an SVG resource into a picture of `size` device-independent pixels:
// on white when `opaque`, else on a transparent ground. Null when the file is
// missing or unreadable.
QImage render(QSvgRenderer &renderer, QSize size, int ratio, bool opaque)
{
    if (!renderer.isValid())
        return {};
    QImage image(size * ratio, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), image.size()));
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}
QImage render(const QString &path, QSize size, int ratio, bool opaque)
{
    QSvgRenderer renderer(path);
    return render(renderer, size, ratio, opaque);
}

// A picture of `size` device-independent pixels, kept in the pixmap cache: the
// group tables reload all their flags on every refresh. SVG drawings are drawn
// at that size; bitmaps are scaled to it.
QPixmap picture(const QString &path, QSize size, bool opaque)
{
    const int ratio = pixelRatio();
    const QString key =
        QStringLiteral("fixturo:%1:%2x%3@%4").arg(path).arg(size.width()).arg(size.height()).arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QImage image;
    if (path.endsWith(QLatin1String(".svg"))) {
        image = render(path, size, ratio, opaque);
    } else {
        image = QImage(path).scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
    }
    pixmap = QPixmap::fromImage(image);
    if (!pixmap.isNull())
        QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// Pointers are drawn at their own size: not every platform scales a pointer
// picture by its pixel ratio.
QCursor pointer(const QString &path, QSize size, QPoint hotSpot, Qt::CursorShape fallback)
{
    const QImage image = render(path, size, 1, false);
    if (image.isNull())
        return QCursor(fallback);
    return QCursor(QPixmap::fromImage(image), hotSpot.x(), hotSpot.y());
}

} // namespace

QPixmap flagPicture(const QString &team)
{
    if (!hasFlag(team))
        return {};
    return picture(QStringLiteral(":/flags/%1.png").arg(flagKey(team)), flagSize(team), true);
}

QPixmap stadiumPicture(Stadium stadium)
{
    switch (stadium) {
    case Stadium::JakobPark:
        return picture(QStringLiteral(":/jakobpark.svg"), {564, 372}, true);
    case Stadium::ErnstHappel:
        return picture(QStringLiteral(":/ernsthappel.svg"), {200, 73}, true);
    }
    return {};
}

QPixmap aboutPicture()
{
    // The line under the name is the one text of the drawing: shown in the
    // user's language.
    const QString subtitle = QStringLiteral("7–29 June 2008 · 16 teams · 31 matches");
    //: The line under the program's name in the About picture.
    const QString translated =
        QCoreApplication::translate("fixturo::AboutDialog", "7–29 June 2008 · 16 teams · 31 matches");
    const QSize size(640, 480);
    if (translated == subtitle)
        return picture(QStringLiteral(":/about.svg"), size, true);
    std::optional<QByteArray> drawing = readWholeFile(QStringLiteral(":/about.svg"));
    if (!drawing)
        return {};
    QSvgRenderer renderer(drawing->replace(subtitle.toUtf8(), translated.toHtmlEscaped().toUtf8()));
    return QPixmap::fromImage(render(renderer, size, pixelRatio(), true));
}

QIcon programIcon()
{
    QIcon icon;
    for (const int side : {16, 32, 48}) {
        const QImage image = render(QStringLiteral(":/icon.svg"), {side, side}, 1, false);
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QCursor matchCursor()
{
    return pointer(QStringLiteral(":/pointers/match.svg"), {16, 16}, {8, 8}, Qt::PointingHandCursor);
}

QCursor crossCursor()
{
    return pointer(QStringLiteral(":/pointers/cross.svg"), {32, 32}, {16, 16}, Qt::CrossCursor);
}

QCursor linkCursor()
{
    return pointer(QStringLiteral(":/pointers/link.svg"), {32, 32}, {11, 1}, Qt::PointingHandCursor);
}

} // namespace fixturo
