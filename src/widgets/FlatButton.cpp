#include "widgets/FlatButton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

FlatButton::FlatButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
}

void FlatButton::SetColors(const QColor& normal, const QColor& hot)
{
    m_normal = normal;
    m_hot = hot;
    update();
}

bool FlatButton::IsHot() const
{
    return m_mouseOver || hasFocus();
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont textFont = font();
    textFont.setUnderline(IsHot());
    painter.setFont(textFont);
    painter.setPen(IsHot() ? m_hot : m_normal);
    // "&&" shows as one ampersand, as on any button.
    QString shown = text();
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void FlatButton::enterEvent(QEnterEvent* event)
{
    m_mouseOver = true;
    update();
    QPushButton::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent* event)
{
    m_mouseOver = false;
    update();
    QPushButton::leaveEvent(event);
}
