#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The pictures Tendrel gives the materials folder for newsletters: borders, frame
// corners, balloons, stars, seasonal motifs and banners, drawn by the program on a
// transparent ground.
namespace PageMaterials {

// The file names, each ending in ".png".
QStringList FileNames();
// The picture of one file name; null for a name that is not among them.
QImage Draw(const QString& fileName);

// Writes every material the folder lacks; a file of the same name is never replaced.
// Returns how many were written, -1 when one could not be.
int WriteMissing(const QString& folder);

// The folder's first use: when it holds no picture and was never given the materials,
// writes them and marks the folder, so materials the user deleted do not come back.
// False when a file could not be written.
bool GiveOnFirstUse(const QString& folder);
// The hidden file that marks a folder as given its materials.
inline constexpr const char* kGivenMarker = ".materials-given";

} // namespace PageMaterials
