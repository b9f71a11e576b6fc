#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

class QAbstractButton;
class QLabel;
class QPlainTextEdit;
class QWidget;

namespace fixturo {

// Helpers that every window's layout uses.

// A font of the layouts: a family at a size in points, bold or not.
QFont layoutFont(const char *family, qreal points, bool bold = false);

// Sets one colour of a widget's palette.
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

// A plain-text label, named and placed; the alignment is a label's usual one
// unless told.
QLabel *makeLabel(QWidget *parent, const QString &name, const QRect &geometry, const QString &text = {},
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// Texts in places of fixed size (a translation may be longer than the English
// the layout was drawn for): the widget takes `font`, made smaller a quarter
// point at a time while its text does not fit, down to `smallest` points. A
// label's text fits its contents on one line, or in its height when it wraps;
// a button's text fits beside its margins (and a check box's box).
void fitLabel(QLabel *label, const QFont &font, qreal smallest = 5);
bool textFits(const QLabel *label);
void fitButton(QAbstractButton *button, const QFont &font, qreal smallest = 5);
// A plain text without wrapping: every line fits the width.
void fitPlainText(QPlainTextEdit *edit, const QFont &font, qreal smallest = 5);

// Moves a window so that its frame is centred on its screen.
void centreOnScreen(QWidget *window);

// Window flags for a dialog of fixed size: a title, the system menu and the
// close box, no maximise or minimise button. Call before the window is shown.
void useFixedDialogFrame(QWidget *dialog);

} // namespace fixturo
