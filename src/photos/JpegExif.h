#pragma once

#include <QByteArrayView>
#include <QSize>

// What the first bytes of a camera JPEG say before any picture data: its stored size,
// the camera's orientation (IFD0 tag 0x0112) and where the small preview the camera put
// in its EXIF block lies (IFD1's JPEG offset and length).
struct JpegExif
{
    QSize stored;              // from the frame header; invalid when it lies further on
    int orientation = 1;       // 1 to 8 as EXIF counts; 1 when absent or out of range
    qsizetype previewOffset = 0;   // into the bytes read
    qsizetype previewLength = 0;   // 0: no preview

    bool HasPreview() const { return previewLength > 0; }
};

// Reads `head`, the start of a file, without trusting any offset or count in it: every
// field is checked against the bytes actually there. A file that is no JPEG gives an
// empty result.
JpegExif ReadJpegExif(QByteArrayView head);
