#include "platform/ImageFiles.h"

#include "platform/RegularFiles.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace ImageFiles {
namespace {

QByteArray QtFormatOf(const QString& suffix)
{
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return "jpg";
    if (suffix == QLatin1String("tif") || suffix == QLatin1String("tiff"))
        return "tif";
    if (suffix == QLatin1String("bmp") || suffix == QLatin1String("png") ||
        suffix == QLatin1String("webp"))
        return suffix.toLatin1();
    return {};
}

int AppendToBuffer(GifFileType* gif, const GifByteType* bytes, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

// Median cut averages each box, so a white page comes out a shade of grey. Paper
// white and ink black are worth keeping exact.
void SnapNearWhiteAndBlack(GifColorType* palette, int count)
{
    constexpr int kSnap = 12;
    for (int i = 0; i < count; ++i) {
        GifColorType& c = palette[i];
        if (c.Red >= 255 - kSnap && c.Green >= 255 - kSnap && c.Blue >= 255 - kSnap)
            c = GifColorType{255, 255, 255};
        else if (c.Red <= kSnap && c.Green <= kSnap && c.Blue <= kSnap)
            c = GifColorType{0, 0, 0};
    }
}

int PaletteIndexOf(const GifColorType* palette, int count, GifByteType grey)
{
    for (int i = 0; i < count; ++i)
        if (palette[i].Red == grey && palette[i].Green == grey && palette[i].Blue == grey)
            return i;
    return -1;
}

// Pixels that are exactly white or black take those palette entries when they exist,
// rather than whatever box the quantiser put them in.
void KeepExactWhiteAndBlack(const QImage& rgb, const GifColorType* palette, int count,
                            GifByteType* raster)
{
    const int white = PaletteIndexOf(palette, count, 255);
    const int black = PaletteIndexOf(palette, count, 0);
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* line = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const uchar* p = line + 3 * x;
            GifByteType& index = raster[size_t(y) * rgb.width() + x];
            if (white >= 0 && p[0] == 255 && p[1] == 255 && p[2] == 255)
                index = GifByteType(white);
            else if (black >= 0 && p[0] == 0 && p[1] == 0 && p[2] == 0)
                index = GifByteType(black);
        }
    }
}

// One frame written line by line. giflib copies the colour map it is handed and frees
// only what it made itself, so every allocation here has exactly one owner.
QByteArray WriteGifFrame(int width, int height, const GifColorType* palette,
                         std::vector<GifByteType>& raster)
{
    const std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(
        GifMakeMapObject(256, palette), GifFreeMapObject);
    if (!map)
        return {};
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, AppendToBuffer, &error);
    if (!gif)
        return {};
    bool written = EGifPutScreenDesc(gif, width, height, 8, 0, map.get()) == GIF_OK &&
                   EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    for (int y = 0; written && y < height; ++y)
        written = EGifPutLine(gif, raster.data() + size_t(y) * size_t(width), width) == GIF_OK;
    if (EGifCloseFile(gif, &error) != GIF_OK) // frees `gif` either way
        written = false;
    return written ? bytes : QByteArray();
}

bool HasMorePixels(QSize size, const ReadLimits& limits)
{
    return qint64(size.width()) * size.height() > limits.maxPixels;
}

bool IsWiderThanFit(QSize size, const ReadLimits& limits)
{
    return limits.fitSide > 0 && (size.width() > limits.fitSide || size.height() > limits.fitSide);
}

QSize Fitted(QSize size, const ReadLimits& limits)
{
    return size.scaled(limits.fitSide, limits.fitSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

bool IsWritableExtension(const QString& suffix)
{
    const QString lower = suffix.toLower();
    return lower == QLatin1String("gif") || !QtFormatOf(lower).isEmpty();
}

QStringList WritableExtensions()
{
    return {QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("bmp"),
            QStringLiteral("gif"), QStringLiteral("tif"), QStringLiteral("webp")};
}

QImage Read(const QString& path, const ReadLimits& limits, ReadFailure* failure)
{
    const auto failed = [failure](ReadFailure why) {
        if (failure)
            *failure = why;
        return QImage();
    };
    QFile file(path);
    if (!RegularFiles::OpenForReading(file))
        return failed(ReadFailure::NotAFile);
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    // Most kinds tell their size before decoding; every picture is measured again after,
    // since a file may hold a larger one than it first said.
    const QSize stored = reader.size();
    if (stored.isValid() && HasMorePixels(stored, limits))
        return failed(ReadFailure::TooLarge);
    // The orientation turns the picture after scaling, and a square fits either way.
    if (stored.isValid() && IsWiderThanFit(stored, limits))
        reader.setScaledSize(Fitted(stored, limits));
    QImage picture = reader.read();
    if (picture.isNull())
        return failed(ReadFailure::Unreadable);
    if (HasMorePixels(picture.size(), limits))
        return failed(ReadFailure::TooLarge);
    if (IsWiderThanFit(picture.size(), limits))
        picture = picture.scaled(Fitted(picture.size(), limits), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    if (failure)
        *failure = ReadFailure::None;
    return picture;
}

QImage DecodedBitmap(const QImage& picture)
{
    if (picture.isNull())
        return {};
    if (picture.format() == QImage::Format_Grayscale8 || picture.format() == QImage::Format_Indexed8)
        return picture;
    if (picture.depth() < 8)
        return picture.convertToFormat(QImage::Format_Indexed8);
    if (picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_ARGB32);
    return picture.convertToFormat(QImage::Format_BGR888);
}

QByteArray EncodeGif(const QImage& image)
{
    if (image.isNull() || image.width() > kMaxGifSide || image.height() > kMaxGifSide)
        return {};
    QImage flat(image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    const int width = flat.width(), height = flat.height();
    const size_t pixels = size_t(width) * size_t(height);
    std::vector<GifByteType> red(pixels), green(pixels), blue(pixels);
    for (int y = 0; y < height; ++y) {
        const uchar* line = flat.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const size_t i = size_t(y) * width + x;
            red[i] = line[3 * x];
            green[i] = line[3 * x + 1];
            blue[i] = line[3 * x + 2];
        }
    }
    int colours = 256;
    GifColorType palette[256] = {};
    std::vector<GifByteType> raster(pixels);
    if (GifQuantizeBuffer(unsigned(width), unsigned(height), &colours, red.data(), green.data(),
                          blue.data(), raster.data(), palette) != GIF_OK)
        return {};
    SnapNearWhiteAndBlack(palette, colours);
    KeepExactWhiteAndBlack(flat, palette, colours, raster.data());
    return WriteGifFrame(width, height, palette, raster);
}

QByteArray Encode(const QImage& image, const QString& suffix, QString* error)
{
    if (image.isNull()) {
        SetError(error, QStringLiteral("There is no picture to write."));
        return {};
    }
    const QString lower = suffix.toLower();
    QByteArray encoded;
    if (lower == QLatin1String("gif")) {
        if (image.width() > kMaxGifSide || image.height() > kMaxGifSide) {
            SetError(error, QStringLiteral("A GIF picture can be at most %L1 pixels wide and high; "
                                           "this one is %L2 x %L3.")
                                .arg(kMaxGifSide)
                                .arg(image.width())
                                .arg(image.height()));
            return {};
        }
        encoded = EncodeGif(image);
    } else {
        const QByteArray format = QtFormatOf(lower);
        if (format.isEmpty()) {
            SetError(error, QStringLiteral("Pictures cannot be saved as \".%1\" files.").arg(lower));
            return {};
        }
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        if (format == "jpg")
            writer.setQuality(90);
        if (!writer.write(image))
            encoded.clear();
    }
    if (encoded.isEmpty())
        SetError(error, QStringLiteral("The picture could not be encoded."));
    return encoded;
}

bool Write(const QImage& image, const QString& path, QString* error)
{
    return WriteAs(image, path, QFileInfo(path).suffix(), error);
}

bool WriteAs(const QImage& image, const QString& path, const QString& suffix, QString* error)
{
    const QByteArray encoded = Encode(image, suffix, error);
    if (encoded.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encoded) != encoded.size() || !file.commit()) {
        SetError(error, file.errorString());
        return false;
    }
    return true;
}

} // namespace ImageFiles
