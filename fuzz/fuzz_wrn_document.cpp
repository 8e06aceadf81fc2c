// Documents come from anywhere: mail, USB sticks, other programs' files renamed .wrn.
// Reading must never crash or run away, writing back what was read must read back the
// same, and painting what was read must finish.
#include "canvas/objects/DocumentJson.h"
#include "canvas/objects/WrnDocument.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    DocumentReadOptions options;
    options.loadPictures = false;
    // A small limit now and then, so that pages beyond it are within the fuzzer's reach.
    if (size > 0 && data[size - 1] < 8)
        options.maxObjects = data[size - 1];
    WrnDocument document = WrnFormat::Decode(bytes, options);

    // Every object needs a whole record of at least 96 bytes; a refused file gives none,
    // and no file gives more than the limit.
    if (document.objects.size() > size / 96 ||
        document.objects.size() > size_t(options.maxObjects) ||
        (document.Refused() && (!document.objects.empty() || document.hasHeader)))
        __builtin_trap();
    // What the user would be told: something for every refused or damaged file.
    const bool damaged = document.Refused() || document.notes.cutShort || document.notes.tooManyObjects;
    if (document.Problems(QStringLiteral("page.wrn")).isEmpty() == damaged)
        __builtin_trap();
    if (document.Refused())
        return 0;

    const QByteArray written = WrnFormat::Encode(document.page, document.objects);
    const WrnDocument again = WrnFormat::Decode(written, options);
    if (again.objects.size() != document.objects.size())
        __builtin_trap();
    for (size_t i = 0; i < document.objects.size(); ++i)
        if (DocumentJson::FromObject(*again.objects[i]) != DocumentJson::FromObject(*document.objects[i]))
            __builtin_trap();

    QImage canvas(48, 48, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.scale(0.05, 0.05);
    for (const auto& object : document.objects)
        object->Draw(painter, DrawContext{});
    return 0;
}
