#pragma once

#include <QDialog>

class QRadioButton;
class QSpinBox;

// "Resize Photo": the picture's new width and height. The unit buttons only mark a
// choice: the numbers are pixels whichever is marked.
class ResizePhotoDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kLargestSide = 10000;

    explicit ResizePhotoDialog(QSize pictureSize, QWidget* parent = nullptr);

    QSize PictureSize() const;
    void SetPictureSize(QSize size);

private:
    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
};
