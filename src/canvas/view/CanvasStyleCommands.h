#pragma once

#include "canvas/editing/ObjectStyle.h"
#include "commands/CommandTarget.h"

#include <QString>
#include <functional>
#include <optional>

class CanvasModel;
class QAction;
class QWidget;
struct DrawingStyle;

// The page's style and text commands with their choices: colour dialogs, the line
// pop-ups, the shadow menu and dialog, Custom fill, the stored style and the font boxes.
class CanvasStyleCommands
{
public:
    struct FontChoice
    {
        QString faceName;
        int size = 0;
    };

    struct Context
    {
        QWidget& window;
        CanvasModel& model;
        DrawingStyle& style;
        // The toolbar action of a command, so pop-ups open under its button.
        std::function<QAction*(int)> actionOf;
        // After a change made outside a command's run (a pop-up, Custom fill).
        std::function<void()> changed;
    };

    explicit CanvasStyleCommands(Context context) : m_context(std::move(context)) {}

    // What the font boxes of the text toolbar show.
    void SetFontChoice(std::function<FontChoice()> choice) { m_fontChoice = std::move(choice); }

    CommandState StateOf(int id) const;
    void Run(int id);

private:
    void ShowLinePicker(int id);
    void ShowShadowMenu();
    void ChooseShadow(int id);
    void ShowFillPresets();
    std::optional<ColorRef> ChooseColor(ColorRef initial, const QString& title) const;
    QPoint PopupPoint(int id) const;

    Context m_context;
    std::function<FontChoice()> m_fontChoice;
    std::optional<ObjectStyle> m_stored;
};
