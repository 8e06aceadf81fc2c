#pragma once

#include <QImage>
#include <QString>

// Reading and writing picture files. The encoder is chosen by the path's extension
// in one place, for every save in the program.
namespace ImageFiles {

// The extensions Write() understands, lower case.
bool IsWritableExtension(const QString& suffix);

// Reads a picture; a null image when the file is missing or unreadable.
QImage Read(const QString& path);

// The editable copy of a picture in the depth its file had: 8 bits (grey or
// palette), 24 bits (blue, green, red) or 32 bits with alpha.
QImage DecodedBitmap(const QImage& picture);

// Encodes in the format the extension names: bmp, jpg/jpeg, png, tif/tiff, webp
// through Qt, gif through giflib. The file is replaced only once the whole picture is
// written. False (and *error set) when nothing was written.
bool Write(const QImage& image, const QString& path, QString* error = nullptr);
// The same in the format `suffix` names, whatever the path ends with.
bool WriteAs(const QImage& image, const QString& path, const QString& suffix,
             QString* error = nullptr);
// The file bytes of a picture in the format `suffix` names; empty (and *error set) when
// it cannot be encoded.
QByteArray Encode(const QImage& image, const QString& suffix, QString* error = nullptr);

// The GIF bytes of an image: at most 256 colours, transparency flattened onto white.
QByteArray EncodeGif(const QImage& image);

} // namespace ImageFiles
