#include "canvas/editing/StyleCommands.h"

#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/DrawingTools.h"
#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/TextObject.h"
#include "commands/CommandIds.h"
#include "platform/UserPrompt.h"

namespace StyleCommands {
namespace {

bool IsType(const PageObject* object, std::initializer_list<int> types)
{
    if (!object)
        return false;
    for (int type : types)
        if (object->m_nType == type)
            return true;
    return false;
}

// One undo step that changes the current object when `applies` says it may.
bool ChangeCurrent(CanvasModel& model, bool (*applies)(const PageObject*),
                   const std::function<void(PageObject&)>& change)
{
    PageObject* current = model.Current();
    if (!applies(current))
        return false;
    return model.Modify(*current, [&](PageObject& object) {
        change(object);
        return true;
    });
}

bool IsText(const PageObject* object)
{
    return IsType(object, {ObjectType::Text});
}

bool TakesBold(const PageObject* object)
{
    return IsType(object, {ObjectType::Text, ObjectType::Calendar});
}

constexpr int kTextToggles[] = {Cmd::TextBold, Cmd::TextItalic, Cmd::TextUnderline};
constexpr std::pair<int, int> kAlignments[] = {{Cmd::TextAlignLeft, 0},
                                               {Cmd::TextAlignCenter, 1},
                                               {Cmd::TextAlignRight, 2},
                                               {Cmd::TextAlignJustify, TextObject::kJustified}};

std::optional<int> AlignmentOf(int id)
{
    for (const auto& [command, align] : kAlignments)
        if (command == id)
            return align;
    return std::nullopt;
}

int* ToggleOf(int id, PageObject& object)
{
    if (auto* calendar = dynamic_cast<CalendarObject*>(&object))
        return id == Cmd::TextBold ? &calendar->m_bDayBold : nullptr;
    auto* text = dynamic_cast<TextObject*>(&object);
    if (!text)
        return nullptr;
    switch (id) {
    case Cmd::TextBold: return &text->m_bBold;
    case Cmd::TextItalic: return &text->m_bItalic;
    case Cmd::TextUnderline: return &text->m_bUnderline;
    default: return nullptr;
    }
}

CommandState TextState(int id, const PageObject* current)
{
    using namespace Cmd;
    if (id == TextBold && TakesBold(current)) {
        int* flag = ToggleOf(id, const_cast<PageObject&>(*current));
        return CommandState::Checked(true, flag && *flag);
    }
    const auto* text = dynamic_cast<const TextObject*>(current);
    if (!text)
        return CommandState::Enabled(false);
    if (id == TextItalic)
        return CommandState::Checked(true, text->m_bItalic);
    if (id == TextUnderline)
        return CommandState::Checked(true, text->m_bUnderline);
    if (const auto align = AlignmentOf(id))
        return CommandState::Checked(true, text->m_nAlign == *align);
    return CommandState::Enabled(true);
}

} // namespace

bool TakesLineStyle(const PageObject* object)
{
    return IsType(object, {ObjectType::Shape, ObjectType::Curve, ObjectType::Text});
}

bool TakesShadow(const PageObject* object)
{
    return TakesLineStyle(object);
}

bool TakesFill(const PageObject* object)
{
    if (auto* curve = dynamic_cast<const CurveObject*>(object))
        return curve->IsClosedKind();
    return IsType(object, {ObjectType::Shape});
}

bool Handles(int id)
{
    using namespace Cmd;
    switch (id) {
    case LineColor: case FillColorButton: case FillColor: case LineWidth: case LineType:
    case ShadowMenu: case NoShadow: case HardShadow: case SoftShadow: case GlowShadow:
    case NotFill: case SolidFill: case CustomFill: case GetStyle: case ApplyStyle:
    case FontName: case FontSize: case TextColor: case TextTurnLeft: case TextTurnRight:
        return true;
    default:
        return AlignmentOf(id).has_value() || id == TextBold || id == TextItalic
            || id == TextUnderline;
    }
}

CommandState StateOf(int id, const PageObject* current, bool hasStoredStyle)
{
    using namespace Cmd;
    const auto enabled = [](bool on) { return CommandState::Enabled(on); };
    switch (id) {
    // With nothing current these set what the next drawing is given.
    case LineColor:
    case LineWidth:
    case LineType:
        return enabled(!current || TakesLineStyle(current));
    case FillColorButton:
    case FillColor:
        return enabled(!current || current->m_nType != ObjectType::Photo);
    case ShadowMenu:
    case NoShadow:
    case HardShadow:
    case SoftShadow:
    case GlowShadow:
        return enabled(TakesShadow(current));
    case NotFill:
    case SolidFill:
    case CustomFill:
        return enabled(TakesFill(current));
    case GetStyle: return enabled(current != nullptr);
    case ApplyStyle: return enabled(current && hasStoredStyle);
    default: return TextState(id, current);
    }
}

bool SetLineColor(CanvasModel& model, DrawingStyle& style, ColorRef color)
{
    style.lineColor = color;
    return ChangeCurrent(model, TakesLineStyle, [color](PageObject& o) { o.m_crLine = color; });
}

bool SetFillColor(CanvasModel& model, DrawingStyle& style, ColorRef color)
{
    style.fillColor = color;
    const auto notPhoto = [](const PageObject* o) {
        return o && o->m_nType != ObjectType::Photo;
    };
    return ChangeCurrent(model, notPhoto, [color](PageObject& o) {
        o.m_bFill = 1;
        o.m_crFill = color;
    });
}

bool SetLineWidth(CanvasModel& model, DrawingStyle& style, int width)
{
    style.lineWidth = width;
    return ChangeCurrent(model, TakesLineStyle, [width](PageObject& o) {
        if (auto* text = dynamic_cast<TextObject*>(&o))
            text->m_nOutlineWidth = width;
        else
            o.m_nLineWidth = width;
    });
}

bool SetLineStyle(CanvasModel& model, DrawingStyle& style, int lineStyle)
{
    style.lineStyle = lineStyle;
    return ChangeCurrent(model, TakesLineStyle,
                         [lineStyle](PageObject& o) { o.m_nLineStyle = lineStyle; });
}

bool SetShadow(CanvasModel& model, DrawingStyle& style, const Shadow& shadow)
{
    style.shadowType = shadow.type;
    return ChangeCurrent(model, TakesShadow, [&shadow](PageObject& o) {
        o.m_nShadowType = shadow.type;
        if (shadow.type == ShadowType::None)
            return;
        o.m_crShadow = shadow.color;
        o.m_nShadowAlpha = shadow.alpha;
        o.m_nShadowDX = shadow.dx;
        o.m_nShadowDY = shadow.dy;
    });
}

bool SetFilled(CanvasModel& model, bool filled)
{
    PageObject* current = model.Current();
    if (filled && current && current->m_bLocked) {
        Prompt().Warn(QString::fromLatin1(CanvasModel::kLockedMessage));
        return false;
    }
    return ChangeCurrent(model, TakesFill, [filled](PageObject& o) {
        o.m_bFill = filled ? 1 : 0;
        o.m_nFillType = filled ? FillType::Solid : FillType::None;
    });
}

bool GiveStyle(CanvasModel& model, const ObjectStyle& style)
{
    const auto any = [](const PageObject* o) { return o != nullptr; };
    return ChangeCurrent(model, any, [&style](PageObject& o) { style.ApplyTo(o); });
}

bool RunTextCommand(int id, CanvasModel& model)
{
    if (const auto align = AlignmentOf(id)) {
        return ChangeCurrent(model, IsText, [align](PageObject& o) {
            static_cast<TextObject&>(o).m_nAlign = *align;
        });
    }
    if (id == Cmd::TextTurnLeft || id == Cmd::TextTurnRight) {
        const int turn = id == Cmd::TextTurnLeft ? -15 : 15;
        return ChangeCurrent(model, IsText, [turn](PageObject& o) { o.m_nAngle += turn; });
    }
    for (int toggle : kTextToggles) {
        if (toggle != id)
            continue;
        return ChangeCurrent(model, id == Cmd::TextBold ? TakesBold : IsText,
                             [id](PageObject& o) {
                                 if (int* flag = ToggleOf(id, o))
                                     *flag = *flag ? 0 : 1;
                             });
    }
    return false;
}

bool SetTextColor(CanvasModel& model, ColorRef color)
{
    return ChangeCurrent(model, IsText, [color](PageObject& o) { o.m_crLine = color; });
}

bool SetFontName(CanvasModel& model, const QString& faceName)
{
    if (faceName.isEmpty())
        return false;
    return ChangeCurrent(model, IsText, [&faceName](PageObject& o) {
        static_cast<TextObject&>(o).m_strFontName = faceName;
    });
}

bool SetFontSize(CanvasModel& model, int size)
{
    if (size <= 0)
        return false;
    return ChangeCurrent(model, IsText, [size](PageObject& o) {
        static_cast<TextObject&>(o).m_nFontSize = size;
    });
}

} // namespace StyleCommands
