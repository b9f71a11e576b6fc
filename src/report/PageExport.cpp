#include "report/PageExport.h"

#include "report/ChampionshipPage.h"
#include "storage/FileIo.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgGenerator>

using namespace Qt::StringLiterals;

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

// The page on `layout` at `resolution` dots per inch.
QByteArray pdfPage(const Championship &championship, const QPageLayout &layout, int resolution)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Fixturo"));
        writer.setCreator(QStringLiteral("Fixturo"));
        writer.setPageLayout(layout);
        writer.setResolution(resolution);
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

// The generator's SVG made lean, drawing the same: the groups that hold nothing
// and the group attributes that change nothing are left out (the texts carry
// their own fonts), and each picture is written once and used where it stands.
// The fonts get others of the same widths to fall back on.
QString compactSvg(QString svg)
{
    static const QRegularExpression emptyGroup(uR"x(<g [^>]*>\s*</g>\s*)x"_s);
    static const QRegularExpression groupFont(
        uR"x((<g [^>]*?)\s*font-family="[^"]*" font-size="[^"]*" font-weight="[^"]*" font-style="[^"]*"\s*>)x"_s);
    static const QRegularExpression picture(
        uR"x(<image x="([^"]*)" y="([^"]*)" width="([^"]*)" height="([^"]*)" ([^>]*?) xlink:href="([^"]*)"\s*/>)x"_s);
    svg.remove(emptyGroup).remove(uR"x( transform="matrix(1,0,0,1,0,0)")x"_s).replace(groupFont, u"\\1>"_s);
    QStringList pictures; // each as its size and data
    QString definitions, out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &m : picture.globalMatch(svg)) {
        const QString size = uR"x(width="%1" height="%2")x"_s.arg(m.captured(3), m.captured(4));
        qsizetype n = pictures.indexOf(size + m.captured(6));
        if (n < 0) {
            n = pictures.size();
            pictures << size + m.captured(6);
            definitions += uR"x(<image id="picture%1" %2 %3 xlink:href="%4"/>)x"_s.arg(n).arg(
                size, m.captured(5), m.captured(6));
        }
        out += QStringView(svg).sliced(done, m.capturedStart() - done);
        out += uR"x(<use xlink:href="#picture%1" transform="translate(%2,%3)"/>)x"_s.arg(n).arg(
            m.captured(1), m.captured(2));
        done = m.capturedEnd();
    }
    out += QStringView(svg).sliced(done);
    return out.replace(u"<defs>\n"_s, u"<defs>\n"_s + definitions)
        .replace(uR"x(font-family="Courier New")x"_s,
                 uR"x(font-family="'Courier New', 'Liberation Mono', monospace")x"_s)
        .replace(uR"x(font-family="Arial")x"_s, uR"x(font-family="Arial, 'Liberation Sans', sans-serif")x"_s);
}

QByteArray svgPage(const Championship &championship)
{
    // A4 on its side in tenths of a millimetre, the page's own units.
    const QSize size(2970, 2100);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setResolution(254); // ten units to the millimetre
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QStringLiteral("Fixturo"));
    generator.setDescription(QCoreApplication::translate("PageExport", "The championship of June 2008"));
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    drawChampionship(painter, QRectF(QPointF(0, 0), size), championship);
    painter.end();
    return compactSvg(QString::fromUtf8(bytes)).toUtf8();
}

} // namespace

bool printChampionship(QPrinter &printer, const Championship &championship, QString *error)
{
    // A printer would write a PDF file as it draws, and leave it cut short when
    // the disk fills up; the page is made in memory and written whole instead.
    const QString file = printer.outputFileName();
    if (printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) {
        const QByteArray bytes = pdfPage(championship, printer.pageLayout(), printer.resolution());
        if (bytes.isEmpty())
            return fail(error, QCoreApplication::translate("PageExport", "The page could not be drawn."));
        return writeFileAtomically(file, bytes, error);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return fail(error, QCoreApplication::translate("PageExport", "The printer could not be started."));
    drawChampionship(painter, QRectF(0, 0, printer.width(), printer.height()), championship);
    if (!painter.end())
        return fail(error, QCoreApplication::translate("PageExport", "The printer did not take the page."));
    return true;
}

bool exportChampionship(const Championship &championship, const QString &path, QString *error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("pdf"))
        bytes = pdfPage(championship,
                        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()), 1200);
    else if (suffix == QLatin1String("png"))
        bytes = pngPage(championship);
    else if (suffix == QLatin1String("svg"))
        bytes = svgPage(championship);
    else
        return fail(error, QCoreApplication::translate("PageExport",
                                                       "The file name must end in .pdf, .png or .svg."));
    if (bytes.isEmpty())
        return fail(error, QCoreApplication::translate("PageExport", "The page could not be drawn."));
    return writeFileAtomically(path, bytes, error);
}

} // namespace fixturo
