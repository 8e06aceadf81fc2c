// The start of every JPEG in a photo folder is read for the camera's orientation and
// preview before anything else; whatever the offsets and counts claim, the reader stays
// inside the bytes it was given.
#include "photos/JpegExif.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView head(reinterpret_cast<const char*>(data), qsizetype(size));
    const JpegExif exif = ReadJpegExif(head);
    if (exif.orientation < 1 || exif.orientation > 8 || exif.previewOffset < 0 ||
        exif.previewLength < 0 || exif.previewOffset + exif.previewLength > head.size())
        __builtin_trap();
    return 0;
}
