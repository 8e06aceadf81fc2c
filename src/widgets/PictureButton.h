#pragma once

#include <QAbstractButton>
#include <QImage>

// A framed picture: a photo fitted into the frame with its shape kept, a caption under
// it, and while there is no photo the words "photo" and the size photos should have.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    // `photoSize` is the size the photos are meant to have; the frame starts at it.
    explicit PictureButton(const QSize& photoSize, QWidget* parent = nullptr);

    // Shows the picture in a file under a caption. False, and an empty frame, when the
    // file is missing or cannot be read as a picture.
    bool LoadPicture(const QString& path, const QString& caption);

    bool HasPicture() const { return !m_picture.isNull(); }
    QString Caption() const { return m_caption; }
    // "(size:240x200 pixels)": shown in the empty frame.
    QString SizeNote() const;
    // The decoded picture, at most twice the photo size.
    const QImage& Picture() const { return m_picture; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int CaptionHeight() const;

    QSize m_photoSize;
    QImage m_picture;
    QString m_caption;
};
