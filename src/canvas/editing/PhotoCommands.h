#pragma once

class CanvasModel;
struct PhotoAreaSelection;

// The photo and object commands that need no dialog: each acts on the current object
// as one undo step.
namespace PhotoCommands {

// Whether the command is one of these.
bool Handles(int commandId);
// Whether it can run on the current object now.
bool IsEnabled(int commandId, const CanvasModel& model, const PhotoAreaSelection& selection);
// Runs it; false when nothing changed. Problems (a file that could not be written) are
// told to the user.
bool Run(int commandId, CanvasModel& model, PhotoAreaSelection& selection);
// Delete while part of a photo is selected: that part becomes transparent.
bool EraseSelection(CanvasModel& model, PhotoAreaSelection& selection);

} // namespace PhotoCommands
