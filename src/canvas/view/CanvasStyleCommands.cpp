#include "canvas/view/CanvasStyleCommands.h"

#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/DrawingTools.h"
#include "canvas/editing/StyleCommands.h"
#include "canvas/view/FillPresetDialog.h"
#include "canvas/view/LinePickerPopup.h"
#include "canvas/view/ShadowSettingDialog.h"
#include "commands/CommandIds.h"
#include "platform/UserPrompt.h"
#include "widgets/ModalRunner.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QToolButton>

using namespace StyleCommands;

CommandState CanvasStyleCommands::StateOf(int id) const
{
    return StyleCommands::StateOf(id, m_context.model.Current(), m_stored.has_value());
}

void CanvasStyleCommands::Run(int id)
{
    using namespace Cmd;
    CanvasModel& model = m_context.model;
    DrawingStyle& style = m_context.style;
    PageObject* current = model.Current();
    switch (id) {
    case LineColor:
        if (const auto color = ChooseColor(current ? current->m_crLine : style.lineColor,
                                           QStringLiteral("Line color")))
            SetLineColor(model, style, *color);
        return;
    case FillColorButton:
    case FillColor:
        if (const auto color = ChooseColor(current ? current->m_crFill : style.fillColor,
                                           QStringLiteral("Fill color")))
            SetFillColor(model, style, *color);
        return;
    case TextColor:
        if (const auto color = ChooseColor(current->m_crLine, QStringLiteral("Text color")))
            SetTextColor(model, *color);
        return;
    case LineWidth:
    case LineType: ShowLinePicker(id); return;
    case ShadowMenu: ShowShadowMenu(); return;
    case NoShadow: SetShadow(model, style, {}); return;
    case HardShadow:
    case SoftShadow:
    case GlowShadow: ChooseShadow(id); return;
    case NotFill: SetFilled(model, false); return;
    case SolidFill: SetFilled(model, true); return;
    case CustomFill: ShowFillPresets(); return;
    case GetStyle:
        if (current)
            m_stored = ObjectStyle::Of(*current);
        return;
    case ApplyStyle:
        if (m_stored)
            StyleCommands::GiveStyle(model, *m_stored);
        return;
    case FontName:
    case FontSize:
        if (m_fontChoice) {
            const FontChoice choice = m_fontChoice();
            id == FontName ? SetFontName(model, choice.faceName) : SetFontSize(model, choice.size);
        }
        return;
    default: RunTextCommand(id, model); return;
    }
}

std::optional<ColorRef> CanvasStyleCommands::ChooseColor(ColorRef initial,
                                                         const QString& title) const
{
    const std::optional<QColor> color = Prompt().ChooseColor(ToQColor(initial), title);
    if (!color)
        return std::nullopt;
    return ToColorRef(*color);
}

QPoint CanvasStyleCommands::PopupPoint(int id) const
{
    if (QAction* action = m_context.actionOf ? m_context.actionOf(id) : nullptr) {
        for (QObject* shown : action->associatedObjects()) {
            auto* button = qobject_cast<QToolButton*>(shown);
            if (button && button->isVisible())
                return button->mapToGlobal(button->rect().bottomLeft());
        }
    }
    return QCursor::pos();
}

void CanvasStyleCommands::ShowLinePicker(int id)
{
    const bool widths = id == Cmd::LineWidth;
    auto* popup = new LinePickerPopup(
        widths ? LinePickerPopup::Kind::Width : LinePickerPopup::Kind::Style, &m_context.window);
    QObject::connect(popup, &LinePickerPopup::Picked, &m_context.window, [this, widths](int value) {
        if (widths)
            SetLineWidth(m_context.model, m_context.style, value);
        else
            SetLineStyle(m_context.model, m_context.style, value);
        m_context.changed();
    });
    popup->ShowAt(PopupPoint(id));
}

void CanvasStyleCommands::ShowShadowMenu()
{
    QMenu menu(&m_context.window);
    menu.setObjectName(QStringLiteral("shadowMenu"));
    const std::pair<int, const char*> kinds[] = {{Cmd::NoShadow, "No Shadow"},
                                                 {Cmd::HardShadow, "Hard Shadow"},
                                                 {Cmd::SoftShadow, "Soft Shadow"},
                                                 {Cmd::GlowShadow, "Glow Shadow"}};
    for (const auto& [id, text] : kinds) {
        QAction* action = menu.addAction(QLatin1String(text));
        action->setData(id);
    }
    if (QAction* chosen = menu.exec(PopupPoint(Cmd::ShadowMenu)))
        Run(chosen->data().toInt());
}

void CanvasStyleCommands::ChooseShadow(int id)
{
    const PageObject* current = m_context.model.Current();
    if (!current)
        return;
    const int type = id == Cmd::HardShadow   ? ShadowType::Hard
                     : id == Cmd::SoftShadow ? ShadowType::Soft
                                             : ShadowType::Glow;
    ShadowSettingDialog dialog({type, current->m_crShadow, current->m_nShadowAlpha,
                                current->m_nShadowDX, current->m_nShadowDY},
                               &m_context.window);
    if (RunModal(dialog) == QDialog::Accepted)
        SetShadow(m_context.model, m_context.style, dialog.Shadow());
}

void CanvasStyleCommands::ShowFillPresets()
{
    FillPresetDialog dialog(&m_context.window);
    QObject::connect(&dialog, &FillPresetDialog::PresetPicked, &dialog, [this](int index) {
        StyleCommands::GiveStyle(m_context.model, FillPresets::All()[size_t(index)]);
        m_context.changed();
    });
    RunModal(dialog);
}
