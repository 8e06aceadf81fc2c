#pragma once

#include "commands/CommandTarget.h"

#include <functional>

class CanvasModel;
class QWidget;

// The photo commands that ask in a dialog first: transparency, colour balance, free
// rotation, resize, border, frame and photo shadow. Each is one undo step.
namespace PhotoDialogCommands {

bool Handles(int commandId);
CommandState StateOf(int commandId, const CanvasModel& model);
// Runs the command's dialog over `window` for the current object; `repaint` shows the
// page after each live change. False when the page did not change.
bool Run(int commandId, CanvasModel& model, QWidget* window, const std::function<void()>& repaint);

} // namespace PhotoDialogCommands
