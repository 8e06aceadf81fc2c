#include "canvas/view/ColorChoiceButton.h"

#include "platform/UserPrompt.h"

#include <QPainter>
#include <QPixmap>

namespace {

QIcon SwatchIcon(const QColor& color)
{
    QPixmap swatch(28, 14);
    swatch.fill(color);
    QPainter painter(&swatch);
    painter.setPen(QColor(96, 96, 96));
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    return QIcon(swatch);
}

} // namespace

ColorChoiceButton::ColorChoiceButton(const QColor& color, const QString& what, QWidget* parent)
    : QPushButton(QStringLiteral("Color..."), parent), m_what(what)
{
    setAutoDefault(false);
    setIconSize(QSize(28, 14));
    setToolTip(QStringLiteral("Choose the %1").arg(what.toLower()));
    setAccessibleName(what);
    SetColor(color);
    connect(this, &QPushButton::clicked, this, &ColorChoiceButton::Choose);
}

void ColorChoiceButton::SetColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    setIcon(SwatchIcon(color));
    Q_EMIT ColorChanged(color);
}

void ColorChoiceButton::Choose()
{
    if (const auto chosen = Prompt().ChooseColor(m_color, m_what))
        SetColor(*chosen);
}
