#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <limits>

// Reading and writing picture files. The encoder is chosen by the path's extension
// in one place, for every save in the program.
namespace ImageFiles {

// The extensions Write() understands, lower case.
bool IsWritableExtension(const QString& suffix);
// One name for each format Write() understands, in the order messages list them.
QStringList WritableExtensions();

// GIF stores its sides in 16 bits.
constexpr int kMaxGifSide = 65535;

// How much of a picture a caller will take.
struct ReadLimits
{
    // A picture of more pixels is not decoded at all.
    qint64 maxPixels = std::numeric_limits<qint64>::max();
    // Decoded scaled down to fit a square of this side; 0 for the stored size.
    int fitSide = 0;
};

enum class ReadFailure { None, NotAFile, TooLarge, Unreadable };

// Reads a picture upright, turned as the camera's orientation tag says. Only regular files
// are opened: a pipe or a device named as a picture would wait forever. A null image
// (and *failure set) when the file is missing, not a picture or beyond the limits.
QImage Read(const QString& path, const ReadLimits& limits = {}, ReadFailure* failure = nullptr);

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
// Empty for a side longer than kMaxGifSide.
QByteArray EncodeGif(const QImage& image);

} // namespace ImageFiles
