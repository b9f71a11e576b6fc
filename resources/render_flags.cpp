// Renders the flag drawings (resources/flags/*.svg) to the PNG pictures the
// program carries, at three times their display size so they stay sharp on
// high-density screens. Drawing the SVGs at every start costs tens of
// milliseconds (some coats of arms are large), which cannot be seen at 20 x 13.
//
//   cmake --build build --target render_flags && build/resources/render_flags resources/flags
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_flags FLAG_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    constexpr int kScale = 3;
    int failures = 0;
    for (const QString &file : folder.entryList({QStringLiteral("*.svg")}, QDir::Files)) {
        const QString key = QFileInfo(file).completeBaseName();
        const int height = key == QLatin1String("CROATIA") ? 10 : key == QLatin1String("GERMANY") ? 12 : 13;
        QSvgRenderer renderer(folder.filePath(file));
        QImage image(20 * kScale, height * kScale, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), image.size()));
        painter.end();
        if (!renderer.isValid() || !image.save(folder.filePath(key + QStringLiteral(".png")))) {
            std::fprintf(stderr, "cannot render %s\n", qPrintable(file));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
