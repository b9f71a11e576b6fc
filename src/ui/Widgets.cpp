#include "ui/Widgets.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>

#include <functional>

namespace fixturo {

QFont layoutFont(const char *family, qreal points, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QRect &geometry, const QString &text,
                  Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    return label;
}

namespace {

// The widest line of a text.
qreal widestLine(const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString &line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// `font`, or the largest smaller one (by quarter points, `smallest` at least)
// that `fits`.
QFont fittedFont(QFont font, qreal smallest, const std::function<bool(const QFont &)> &fits)
{
    while (font.pointSizeF() - 0.25 >= smallest && !fits(font))
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

} // namespace

namespace {

bool fits(const QLabel *label, const QFont &font)
{
    const QRect room = label->contentsRect();
    if (!label->wordWrap())
        return widestLine(font, label->text()) <= room.width();
    return QFontMetricsF(font)
               .boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text())
               .height() <= room.height();
}

} // namespace

void fitLabel(QLabel *label, const QFont &font, qreal smallest)
{
    label->setFont(fittedFont(font, smallest, [label](const QFont &f) { return fits(label, f); }));
}

bool textFits(const QLabel *label)
{
    return fits(label, label->font());
}

void fitButton(QAbstractButton *button, const QFont &font, qreal smallest)
{
    const QStyle *style = button->style();
    int chrome = 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    if (qobject_cast<QCheckBox *>(button))
        chrome = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                 style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    const QString text = button->text();
    button->setFont(fittedFont(
        font, smallest, [&](const QFont &f) { return widestLine(f, text) + chrome <= button->width(); }));
}

void fitPlainText(QPlainTextEdit *edit, const QFont &font, qreal smallest)
{
    const qreal room = edit->contentsRect().width() - 2 * edit->document()->documentMargin();
    const QString text = edit->toPlainText();
    edit->setFont(fittedFont(font, smallest, [&](const QFont &f) { return widestLine(f, text) <= room; }));
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

void useFixedDialogFrame(QWidget *dialog)
{
    // CustomizeWindowHint: the window system shows the buttons named here and no others.
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

} // namespace fixturo
