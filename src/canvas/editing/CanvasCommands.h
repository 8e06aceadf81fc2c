#pragma once

#include "commands/CommandTarget.h"

#include <QList>
#include <QPoint>
#include <QString>

class CanvasModel;
struct PhotoAreaSelection;

// The page's own commands, apart from its tools and the commands object kinds register:
// when each is enabled, what the right-click menu offers and which keys run them.
namespace CanvasCommands {

struct Situation
{
    const CanvasModel& model;
    const PhotoAreaSelection& photoSelection;
    bool clipboardHasImage = false;
};

// New, Open, Save, printing, Page Setup, export and Save as Image: the page's file work.
bool IsFileCommand(int commandId);
CommandState StateOf(int id, const Situation& now);

// Runs `id` when it is one of the commands that only change the model: history, the
// page's clipboard, stacking, aligning, sizing and locking. Pasted objects go to
// `pasteAt`. False for any other command.
bool RunOnModel(int id, CanvasModel& model, const QPoint& pasteAt);

struct ContextMenu
{
    QString name;     // the menu's object name
    QList<int> ids;   // 0 stands for a separator
};
// The right-click menu for the present selection.
ContextMenu MenuFor(const CanvasModel& model);
// The submenu a command of those menus sits in, or empty.
QString SubmenuOf(int commandId);

// The command a key runs on the page: the usual editing keys with Ctrl, single letters
// without. kSelectAll for A, kNoCommand for any other key.
constexpr int kNoCommand = -1;
constexpr int kSelectAll = 0;
int CommandOfKey(int key, bool control);
// The step an arrow key moves or sizes by; none for other keys.
QPoint ArrowStep(int key);

} // namespace CanvasCommands
