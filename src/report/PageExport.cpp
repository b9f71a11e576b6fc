#include "report/PageExport.h"

#include "report/ChampionshipPage.h"
#include "storage/FileIo.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

namespace fixturo {

namespace {

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

// Each page below is drawn into memory and handed back whole, so that the file
// is written in one go; empty when the painter could not start.

// A4 on its side without margins.
QByteArray pdfPage(const Championship &championship)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Fixturo"));
        writer.setCreator(QStringLiteral("Fixturo"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        drawChampionship(painter, QRectF(0, 0, writer.width(), writer.height()), championship);
    }
    return bytes;
}

QByteArray pngPage(const Championship &championship)
{
    QImage image(kPngPageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(5906); // 150 dots per inch
    image.setDotsPerMeterY(5906);
    {
        QPainter painter(&image);
        drawChampionship(painter, QRectF(QPointF(0, 0), kPngPageSize), championship);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray svgPage(const Championship &championship)
{
    // A4 on its side at 96 dots per inch.
    const QSize size(1123, 794);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QStringLiteral("Fixturo"));
    generator.setDescription(QStringLiteral("The championship of June 2008"));
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    drawChampionship(painter, QRectF(QPointF(0, 0), size), championship);
    painter.end();
    return bytes;
}

} // namespace

bool printChampionship(QPrinter &printer, const Championship &championship, QString *error)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return fail(error, QStringLiteral("The printer could not be started."));
    drawChampionship(painter, QRectF(0, 0, printer.width(), printer.height()), championship);
    if (!painter.end())
        return fail(error, QStringLiteral("The printer did not take the page."));
    return true;
}

bool exportChampionship(const Championship &championship, const QString &path, QString *error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("pdf"))
        bytes = pdfPage(championship);
    else if (suffix == QLatin1String("png"))
        bytes = pngPage(championship);
    else if (suffix == QLatin1String("svg"))
        bytes = svgPage(championship);
    else
        return fail(error, QStringLiteral("The file name must end in .pdf, .png or .svg."));
    if (bytes.isEmpty())
        return fail(error, QStringLiteral("The page could not be drawn."));
    return writeFileAtomically(path, bytes, error);
}

} // namespace fixturo
