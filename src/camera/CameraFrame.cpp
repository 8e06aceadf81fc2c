#include "camera/CameraFrame.h"

bool CameraFrame::IsComplete() const
{
    if (!image.isNull())
        return true;
    const qsizetype needed = Yuv::PackedSize(width, height, bytesPerLine);
    return needed > 0 && packedYuv.size() >= needed;
}

QImage CameraFrame::ToImage() const
{
    if (!image.isNull())
        return image;
    return Yuv::PackedToRgb(reinterpret_cast<const uchar*>(packedYuv.constData()),
                            packedYuv.size(), width, height, bytesPerLine);
}

namespace Yuv {

qsizetype PackedSize(int width, int height, qsizetype bytesPerLine)
{
    if (width <= 0 || height <= 0 || width % 2 != 0 || width > kMaxSide || height > kMaxSide)
        return 0;
    const qsizetype row = qsizetype(width) * 2;
    if (bytesPerLine == 0)
        bytesPerLine = row;
    if (bytesPerLine < row || bytesPerLine > qsizetype(kMaxSide) * 8)
        return 0;
    return bytesPerLine * (height - 1) + row;
}

QImage PackedToRgb(const uchar* data, qsizetype length, int width, int height,
                   qsizetype bytesPerLine)
{
    const qsizetype needed = PackedSize(width, height, bytesPerLine);
    if (!data || needed == 0 || length < needed)
        return {};
    if (bytesPerLine == 0)
        bytesPerLine = qsizetype(width) * 2;
    QImage picture(width, height, QImage::Format_RGB888);
    if (picture.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const uchar* in = data + bytesPerLine * y;
        uchar* out = picture.scanLine(y);
        for (int x = 0; x < width; x += 2, in += 4, out += 6) {
            const Rgb first = ToRgb(in[0], in[1], in[3]);
            const Rgb second = ToRgb(in[2], in[1], in[3]);
            out[0] = first.r;
            out[1] = first.g;
            out[2] = first.b;
            out[3] = second.r;
            out[4] = second.g;
            out[5] = second.b;
        }
    }
    return picture;
}

} // namespace Yuv
