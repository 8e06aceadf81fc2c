#pragma once

class QFile;

// Files named by documents and by users are opened only when they are regular files:
// reading a pipe or a device named as a page or a photo would wait or run forever.
namespace RegularFiles {

// Opens the file `file` names for reading; false when it is missing, unreadable or not a
// regular file.
bool OpenForReading(QFile& file);

} // namespace RegularFiles
