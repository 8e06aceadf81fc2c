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

namespace {

// The formula's terms for every byte value, and the clamp for every sum >> 8 it can
// give (-277 to 534), so a pixel costs additions and lookups.
struct Terms
{
    static constexpr int kClampOffset = 384;
    int luma[256];   // 298 C + 128
    int redV[256];   // 409 E
    int greenU[256]; // -100 D
    int greenV[256]; // -208 E
    int blueU[256];  // 516 D
    uchar clamp[1024];

    constexpr Terms() : luma(), redV(), greenU(), greenV(), blueU(), clamp()
    {
        for (int i = 0; i < 256; ++i) {
            luma[i] = 298 * (i - 16) + 128;
            redV[i] = 409 * (i - 128);
            greenU[i] = -100 * (i - 128);
            greenV[i] = -208 * (i - 128);
            blueU[i] = 516 * (i - 128);
        }
        for (int i = 0; i < 1024; ++i) {
            const int value = i - kClampOffset;
            clamp[i] = uchar(value < 0 ? 0 : value > 255 ? 255 : value);
        }
    }
};

constexpr Terms kTerms;

} // namespace

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
    const uchar* clamp = kTerms.clamp + Terms::kClampOffset;
    for (int y = 0; y < height; ++y) {
        const uchar* in = data + bytesPerLine * y;
        uchar* out = picture.scanLine(y);
        for (int x = 0; x < width; x += 2, in += 4, out += 6) {
            const int red = kTerms.redV[in[3]];
            const int green = kTerms.greenU[in[1]] + kTerms.greenV[in[3]];
            const int blue = kTerms.blueU[in[1]];
            const int first = kTerms.luma[in[0]];
            const int second = kTerms.luma[in[2]];
            out[0] = clamp[(first + red) >> 8];
            out[1] = clamp[(first + green) >> 8];
            out[2] = clamp[(first + blue) >> 8];
            out[3] = clamp[(second + red) >> 8];
            out[4] = clamp[(second + green) >> 8];
            out[5] = clamp[(second + blue) >> 8];
        }
    }
    return picture;
}

} // namespace Yuv
