// Renders the program icon (an SVG) to the square PNG sizes of the hicolor
// icon theme: render_icon ICON.svg OUTPUT_FOLDER SIZE... writes
// OUTPUT_FOLDER/SIZExSIZE/apps/fixturo.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icon ICON.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        // Written whole or not at all, so a failed build leaves no broken icon.
        QSaveFile file(output.filePath(folder + QStringLiteral("/fixturo.png")));
        if (size <= 0 || !output.mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
            !image.save(&file, "PNG") || !file.commit()) {
            std::fprintf(stderr, "render_icon: cannot write the %s pixel icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
