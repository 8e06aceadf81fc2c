// Any file in a photo folder is thumbnailed, whatever put it there: cameras, phones, USB
// sticks, mail. Decoding must never crash or run away, and what comes back is nothing or
// exactly one cell.
#include "photos/Thumbnails.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const QSize cell(100, 80);
    const QImage thumbnail = Thumbnails::FromDevice(file, cell);
    if (!thumbnail.isNull() &&
        (thumbnail.size() != cell || thumbnail.format() != QImage::Format_ARGB32_Premultiplied))
        __builtin_trap();
    return 0;
}
