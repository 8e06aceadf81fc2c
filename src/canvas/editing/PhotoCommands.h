#pragma once

class CCanvasModel;
struct CPhotoSelection;

// The photo and object commands that need no dialog: each acts on the current object
// as one undo step.
namespace PhotoCommands {

// Whether the command is one of these.
bool Handles(int commandId);
// Whether it can run on the current object now.
bool IsEnabled(int commandId, const CCanvasModel& model, const CPhotoSelection& selection);
// Runs it; false when nothing changed. Problems (a file that could not be written) are
// told to the user.
bool Run(int commandId, CCanvasModel& model, CPhotoSelection& selection);
// Delete while part of a photo is selected: that part becomes transparent.
bool EraseSelection(CCanvasModel& model, CPhotoSelection& selection);

} // namespace PhotoCommands
