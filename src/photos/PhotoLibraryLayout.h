#pragma once

#include <QString>

// The fixed folders of the photo library.
namespace PhotoLibrary {

inline constexpr const char* kPicturesFolder = "Pictures";
inline constexpr const char* kClassFolder = "AAA";       // photos of the whole class
inline constexpr const char* kMaterialsFolder = "ZZZ";   // materials for the canvas

// The application folder's Pictures folder.
QString DefaultRoot(const QString& programDir);

// The root's materials folder.
QString MaterialsFolder(const QString& root);

// Creates the root with its class and materials folders where they are missing;
// existing folders and their photos are left as they are. False when one could not be made.
bool EnsureStandardFolders(const QString& root);

} // namespace PhotoLibrary
