// Photos named on a page are read from whatever file carries the name. Reading must never
// crash or run away, must keep to its limits, and what it gives can be made editable and
// written as a GIF again.
#include "platform/ImageFiles.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {
QString g_path;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    static QTemporaryDir folder;
    g_path = folder.filePath(QStringLiteral("photo"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QFile file(g_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    ImageFiles::ReadLimits limits;
    limits.maxPixels = 1 << 20;
    limits.fitSide = size > 0 && data[0] % 2 ? 64 : 0;
    ImageFiles::ReadFailure failure = ImageFiles::ReadFailure::None;
    const QImage picture = ImageFiles::Read(g_path, limits, &failure);
    if (picture.isNull() != (failure != ImageFiles::ReadFailure::None))
        __builtin_trap();
    if (picture.isNull())
        return 0;
    if (qint64(picture.width()) * picture.height() > limits.maxPixels ||
        (limits.fitSide > 0 && std::max(picture.width(), picture.height()) > limits.fitSide))
        __builtin_trap();
    const QImage editable = ImageFiles::DecodedBitmap(picture);
    if (editable.size() != picture.size())
        __builtin_trap();
    if (qint64(editable.width()) * editable.height() <= 4096 && ImageFiles::EncodeGif(editable).isEmpty())
        __builtin_trap();
    return 0;
}
