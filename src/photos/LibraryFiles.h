#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The file operations of the photo library. None of them ever loses a photo: a move is
// copy, check, then delete the source, and nothing is deleted when the copy failed.
// A file is replaced only by the operations whose name says so, and then only once
// its new content is completely written.
namespace LibraryFiles {

// Empty when `name` can become a file or folder name; otherwise the message telling
// the user why not (empty or only blanks, a path separator, "." or "..", control
// characters or line breaks, longer than a disk takes). Emoji and other characters outside
// the control set are fine.
QString NameProblem(const QString& name);

// Copies a file. With `replace` an existing target is replaced atomically once the
// copy is complete and checked; without it an existing target fails the copy and is
// left untouched. The copy keeps the source's modification time. False on any failure,
// with no partial target left behind.
bool CopyFile(const QString& from, const QString& to, bool replace);

// Copy, check (same size), then delete the source. A source and target that are the
// same file are left alone (false). The source stays whenever the copy failed.
bool MoveFile(const QString& from, const QString& to, bool replace);

// Renames a file or folder within its folder (`to` is the full new path, in the same
// folder, with a name NameProblem accepts); never replaces an existing entry.
bool RenameEntry(const QString& from, const QString& to);

// What a paste of the file clipboard did.
struct PasteResult
{
    int done = 0;
    int skipped = 0;   // already in the folder: pasting a file onto itself does nothing
    int failed = 0;    // the source stays where it was
};
// Copies (or moves) every file into `folder` under its own name; files of that name are
// replaced only with `replace`, else skipped. A file already in `folder` is skipped, so a
// move there never deletes it. Folders on the clipboard are not pasted (failed).
PasteResult PasteFiles(const QStringList& files, const QString& folder, bool move,
                       bool replace);

using Progress = std::function<bool(int done, int total)>;   // false cancels

// Copies the chosen files into `folder`, never replacing an existing file (that file is
// skipped). Names of four characters or fewer are skipped as the import always did.
// `progress` hears of every file, copied or skipped. Returns the number copied.
int ImportPhotos(const QStringList& files, const QString& folder,
                 const Progress& progress = {});

// Creates `destinationParent`/<folder's name> and copies the folder into it recursively
// (dot names skipped). Nothing is copied when that folder already exists: false and
// *created left empty. Once it is made, *created is set; a file that fails to copy does
// not stop the others but makes the result false, and so does a cancel.
bool ExportFolder(const QString& folder, const QString& destinationParent,
                  QString* created = nullptr, const Progress& progress = {});

// Creates an empty newsletter in `folder`: "Untitled.wrn", or "Untitled_2.wrn",
// "Untitled_3.wrn", ... when that exists, never truncating an existing document.
// The created path, or empty when none could be made.
QString CreateNewsletter(const QString& folder);

// Creates the first "NewFolder_<n>" in `parent` not already there, counting on from
// `counter` (which ends at the number used). Returns the path even if it could not be made.
QString NewFolderPath(const QString& parent, int& counter);

// What became of a file the user deleted.
enum class Discarded { Trashed, Deleted, Failed };

// True where deleted files go to the system's wastebasket, from which they can be put back.
bool HasTrash();

// Deletes a file the user asked to delete: into the wastebasket where there is one, else
// (or when the wastebasket does not take it) for good. Only files: a folder is never
// removed here.
Discarded Discard(const QString& path);

} // namespace LibraryFiles
