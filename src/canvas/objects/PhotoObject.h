#pragma once

#include "canvas/objects/PageObject.h"
#include "canvas/objects/photo/ScaledPicture.h"

#include <QImage>

class PictureShelf;

// A photo on the page, shown from its picture file. The document keeps the path and
// the adjustment levels; the pixels stay in the file.
class PhotoObject : public PageObject
{
public:
    static constexpr int kRasterPicture = 1;
    static constexpr int kMetafilePicture = 2;

    // m_nFrameShape
    static constexpr int kInRectangle = 0;
    static constexpr int kInRoundRectangle = 1;
    static constexpr int kInEllipse = 2;

    PhotoObject();
    PhotoObject(const PhotoObject& other) = default;

    std::unique_ptr<PageObject> Clone() const override;
    void Draw(QPainter& painter, const DrawContext& context) override;
    void DrawContent(QPainter& painter, const DrawContext& context) override;
    bool FramesSelectionOutside() const override { return true; }
    bool PaintsQuarterTurns() const override { return m_bAltDraw != 0; }

    // Sets the path and the name, the file name part of the path.
    void SetPath(const QString& path);
    // Loads the picture named by m_strPath by the rules of its extension; a file that
    // cannot be read leaves the photo without a picture. With a shelf, the picture comes
    // from there, shared with the other photos of the same file.
    void LoadPicture(PictureShelf* shelf = nullptr);
    // Lets go of the pictures: the photo shows as its frame.
    void DropPictures();

    bool HasPicture() const { return !m_picture.isNull() || !m_bitmap.isNull(); }
    bool HasDecodedBitmap() const { return !m_bitmap.isNull(); }
    bool IsMetafile() const { return m_nPictureKind == kMetafilePicture; }
    // The picture as read, turned and resized with the photo but never recoloured.
    const QImage& Picture() const { return m_picture; }
    // The editable copy; none for png files and metafiles.
    const QImage& DecodedBitmap() const { return m_bitmap; }
    // What is painted: the decoded bitmap once it has been edited, else the picture.
    const QImage& ShownImage() const;
    // The shown image scaled smoothly to `deviceSize` for the screen, scaled again only
    // once the shown pixels or the size change. Null if it cannot be made.
    QImage ScreenPicture(QSize deviceSize) const;

    // Replaces the decoded bitmap with an edited one, which is painted from now on.
    void SetEditedBitmap(QImage bitmap);
    // Replaces the picture and the decoded bitmap together, for changes of shape (turns,
    // mirrors, sizes) that both must follow. A null image leaves that one absent.
    void ReplacePictures(QImage picture, QImage bitmap);

    // Applies the stored adjustment levels once to a freshly loaded picture.
    void ReplayStoredAdjustments();
    // Saves the edited decoded bitmap over the photo's own file; true when written.
    bool WriteEditedPicture() const;

    // The status line text: the file, the bitmap's size and depth and the rectangle.
    QString InfoText() const;

    QString m_strPath;
    int m_bAltDraw = 0;
    int m_nMirror = 0;
    int m_nBorder = 0;
    int m_nPictureKind = 0;
    int m_nOption = 0;
    int m_nBrightness = 0;
    int m_nContrast = 0;
    int m_bGray = 0;
    int m_nSaturation = 0;
    int m_bBevel = 0;
    int m_bTornEdge = 0;
    int m_bPhotoShadow = 0;
    int m_bCircleFade = 0;
    int m_nPhotoShadowDir = 0;
    int m_nPhotoShadowSize = 0;
    int m_bFlipped = 0;
    int m_bPng = 0;
    int m_bUseBitmap = 0;
    float m_fRed = 1.0f;
    float m_fGreen = 1.0f;
    float m_fBlue = 1.0f;
    int m_nFrameShape = kInRectangle;

private:
    QImage m_picture; // as read from the file
    QImage m_bitmap;  // the editable decoded copy; none for png files and metafiles
    mutable KeptPixels<ScaledPictureKey> m_screenPicture;
};
