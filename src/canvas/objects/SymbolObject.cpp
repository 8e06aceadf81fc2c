#include "canvas/objects/SymbolObject.h"

#include "canvas/objects/FillStyles.h"
#include "canvas/objects/ObjectIdentity.h"
#include "canvas/objects/Rotation.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <algorithm>
#include <optional>

namespace {
constexpr int kMinimumFontPixels = 6;
// Far beyond any page; a damaged document's rectangle must not ask the font engine
// for a glyph of a billion pixels.
constexpr int kMaximumFontPixels = 4096;
}

SymbolObject::SymbolObject() : PageObject(ObjectType::Symbol, ObjectIdentity::New(u'S')) {}

std::unique_ptr<PageObject> SymbolObject::Clone() const
{
    return std::make_unique<SymbolObject>(*this);
}

int SymbolObject::FontPixelSize(const PageRect& rect)
{
    return std::clamp(std::min(rect.Width(), rect.Height()), kMinimumFontPixels, kMaximumFontPixels);
}

namespace {
// Asking the font database costs more than drawing the glyph; a page of many symbols
// asks about the same few families again and again.
bool IsInstalledFamily(const QString& family)
{
    thread_local std::optional<QString> lastAsked;
    thread_local bool installed = false;
    if (lastAsked != family) {
        lastAsked = family;
        installed = QFontDatabase::hasFamily(family);
    }
    return installed;
}
} // namespace

QFont SymbolObject::SymbolFont() const
{
    QFont font;
    if (IsInstalledFamily(m_strSymbolFont))
        font.setFamily(m_strSymbolFont);
    font.setPixelSize(FontPixelSize(m_rect));
    return font;
}

void SymbolObject::DrawContent(QPainter& painter, const DrawContext&)
{
    // A stored code may be anything; only a real character is drawn.
    const char32_t code = static_cast<char32_t>(m_nSymbolChar);
    if (m_nSymbolChar <= 0 || code > 0x10ffff || QChar::isSurrogate(code))
        return;
    const QString glyph = QString::fromUcs4(&code, 1);
    const QRectF box = m_rect.ToRectF();

    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.setFont(SymbolFont());
    painter.setPen(ToQColor(m_crSymbol));
    painter.setTransform(RotationAbout(box.center(), m_nAngle), true);
    if (m_rect.Height() > m_rect.Width()) {
        // Laid out top to bottom: the glyph turns a quarter clockwise in its box.
        painter.setTransform(RotationAbout(box.center(), 90), true);
        const QRectF turned(box.center().x() - box.height() / 2, box.center().y() - box.width() / 2,
                            box.height(), box.width());
        painter.drawText(turned, Qt::AlignCenter | Qt::TextDontClip, glyph);
    } else {
        painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip, glyph);
    }
    painter.restore();
}
