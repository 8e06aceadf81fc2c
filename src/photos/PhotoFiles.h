#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

// The photos of one folder as the photo lists show them: which files count as photos,
// what each row says.
namespace PhotoFiles {

// The extension lists of the Photo Center and of the thumbnail strip.
inline constexpr const char* kListExtensions = "jpg;JPG;bmp;BMP;gif;GIF;tif;TIF;PNG;png";
inline constexpr const char* kStripExtensions = "jpg;JPG;bmp;BMP;gif;GIF;tif;TIF;png;PNG";

// A file belongs in a list when the text after the last "." of its name occurs anywhere
// in the list (case-sensitive): "a.pg" belongs, "a.jpeg" does not, and a name ending in
// "." does (nothing occurs in every list). A name without a dot is tested whole; names
// beginning with "." never belong.
bool IsPhoto(const QString& fileName, const QString& extensionList);

struct PhotoFile
{
    QString name;         // file name
    QString path;         // full path
    quint32 size = 0;     // the low 32 bits of the size in bytes
    QDateTime modified;   // local time
    QDateTime created;    // local time; the status change time where the disk keeps no birth
};

// The photos directly in a folder (subfolders are not entered), by name (NaturalOrder).
// Links to files count as files. An unreadable or missing folder gives an empty list.
std::vector<PhotoFile> ListFolder(const QString& folder, const QString& extensionList);

// Report columns: "1000 Bytes" below 1024, else whole kilobytes rounded down ("1 KB").
QString SizeText(quint32 size);
// The last three characters of the name in upper case and " Image": "JPG Image".
QString TypeText(const QString& fileName);
// "%02d/%02d/%d  %02d:%02d": month, day, year, two blanks, hour, minute. An invalid time
// gives empty text.
QString DateText(const QDateTime& localTime);

// The file name a photo takes when `typed` is entered as its new name: the typed text
// with the photo's extension, added when the text has none ("swing" for a.png gives
// "swing.png"). A typed extension in another case takes the photo's spelling. Another
// extension, or a name beginning with a dot, would drop the photo out of the lists and
// is refused: empty, and *problem says why. Text after a last dot counts as an
// extension when it is one to four letters or digits beginning with a letter, so
// "Mr. Brown" or "Trip 2.5" are names.
QString RenamedFileName(const QString& oldName, const QString& typed, QString* problem);

// True when two listings name the same files with the same sizes and times.
bool SameListing(const std::vector<PhotoFile>& a, const std::vector<PhotoFile>& b);

} // namespace PhotoFiles
