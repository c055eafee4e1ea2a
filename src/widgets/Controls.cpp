#include "widgets/Controls.h"

#include "widgets/EtchedGroupBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace controls {

QFont pixelFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(left, top);
    l->adjustSize();
    return l;
}

void setCaption(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

QLineEdit* edit(QWidget* parent, const char* name, int left, int top, int width, const QString& text)
{
    auto* e = make<QLineEdit>(parent, name, QRect(left, top, width, 21));
    e->setText(text);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& place,
                    const QString& hint, ButtonFocus focus)
{
    auto* b = make<QPushButton>(parent, name, place);
    b->setText(caption);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    if (focus == ButtonFocus::TabOnly)
        b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    bool checked)
{
    auto* c = make<QCheckBox>(parent, name, QRect(left, top, width, 17));
    c->setText(caption);
    c->setChecked(checked);
    return c;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    auto* g = new EtchedGroupBox(caption, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(place);
    return g;
}

void makeOverlay(QWidget* box)
{
    box->raise();
    box->setAutoFillBackground(true);
    box->hide();
}

} // namespace controls
