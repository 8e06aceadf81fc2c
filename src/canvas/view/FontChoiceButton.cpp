#include "canvas/view/FontChoiceButton.h"

#include "platform/UserPrompt.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSmallestSize = 4;
constexpr int kLargestSize = 200;

} // namespace

FontChoiceButton::FontChoiceButton(const QString& face, int size, bool bold, bool italic,
                                     const QString& what, QWidget* parent)
    : QPushButton(parent), m_what(what)
{
    setAutoDefault(false);
    setToolTip(QStringLiteral("Choose the %1").arg(what.toLower()));
    setAccessibleName(what);
    setMinimumWidth(180);
    SetFont(face, size, bold, italic);
    connect(this, &QPushButton::clicked, this, &FontChoiceButton::Choose);
}

void FontChoiceButton::SetFont(const QString& face, int size, bool bold, bool italic)
{
    m_face = face;
    m_size = std::clamp(size, kSmallestSize, kLargestSize);
    m_bold = bold;
    m_italic = italic;

    QStringList parts{face, QString::number(m_size)};
    if (bold)
        parts << QStringLiteral("Bold");
    if (italic)
        parts << QStringLiteral("Italic");
    setText(parts.join(QStringLiteral(", ")));

    // The face and style show on the button; its size stays the button's own.
    QFont shown = QPushButton::font();
    shown.setFamily(face);
    shown.setBold(bold);
    shown.setItalic(italic);
    setFont(shown);
}

QFont FontChoiceButton::Described() const
{
    QFont font(m_face);
    font.setPointSize(m_size);
    font.setBold(m_bold);
    font.setItalic(m_italic);
    return font;
}

void FontChoiceButton::Choose()
{
    const auto chosen = Prompt().ChooseFont(Described(), m_what);
    if (!chosen)
        return;
    const int size = chosen->pointSizeF() > 0 ? int(std::lround(chosen->pointSizeF()))
                                              : chosen->pixelSize();
    SetFont(chosen->family(), size, chosen->bold(), chosen->italic());
}
