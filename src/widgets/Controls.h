#pragma once

// The one factory of the windows' controls: fonts by pixel size, and labels,
// edit fields, buttons, check boxes and group boxes placed at their pixel
// positions with their program names as object names, as the windows lay
// out their fixed forms.

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace controls {

QFont pixelFont(const QString& family, int pixels, bool bold = false);
inline QFont arial(int pixels, bool bold = false) { return pixelFont(QStringLiteral("Arial"), pixels, bold); }

// A widget of type W with its object name, at `place` in its parent.
template <typename W>
W* make(QWidget* parent, const char* name, const QRect& place)
{
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place);
    return widget;
}

// A label at (left, top) sized to its text, as the forms' labels are.
QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top);
// Sets a label's text and sizes the label to it.
void setCaption(QLabel* label, const QString& text);

// A one-line edit field 21 pixels high.
QLineEdit* edit(QWidget* parent, const char* name, int left, int top, int width, const QString& text = {});

// Whether a click puts the focus on the button (the main window's buttons)
// or leaves it where it is (the graphic window's tool buttons).
enum class ButtonFocus { OnClick, TabOnly };
QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& place,
                    const QString& hint = {}, ButtonFocus focus = ButtonFocus::OnClick);

// A check box 17 pixels high.
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    bool checked);

// A group box in the classic etched look (EtchedGroupBox).
QGroupBox* groupBox(QWidget* parent, const char* name, const QString& caption, const QRect& place);

// Whether the box lies over other controls: it fills its background and
// starts hidden until its command shows it.
void makeOverlay(QWidget* box);

} // namespace controls
