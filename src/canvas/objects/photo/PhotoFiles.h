#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>

class PhotoObject;

// Where photo pictures are written: back to their own files, to the "_crop" file of a
// crop, and pasted pictures to new files of their own.
namespace PhotoFiles {

// The format a photo file is written in: its extension, looking through the "_crop"
// that older pages' crops carry after it (a.jpg_crop is a JPEG picture).
QString EncoderSuffix(const QString& path);

// The file a cropped photo is kept in, beside it with its extension: a.jpg becomes
// a_crop.jpg, and with `number` above 1 a_crop2.jpg, a_crop3.jpg ...
QString CropPath(const QString& path, int number = 1);

// Replaces the file at `path` with the picture, in the format EncoderSuffix names.
bool WritePicture(const QImage& picture, const QString& path, QString* error = nullptr);

// Writes a pasted picture to a new "pastedbitmap_N.bmp" in `folder`, never over an
// existing file, and makes a photo of it at `at` with the picture's size. Null (and
// *error set) when nothing could be written.
std::unique_ptr<PhotoObject> PhotoFromPastedPicture(const QImage& pasted, const QString& folder,
                                                     QPoint at, QString* error = nullptr);

} // namespace PhotoFiles
