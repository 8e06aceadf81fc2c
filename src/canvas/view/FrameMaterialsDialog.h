#pragma once

#include <QDialog>

class QButtonGroup;

// "Photo Frame Materials": sixteen buttons, each showing the photo in one frame material.
class FrameMaterialsDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize kButtonPicture{96, 72};

    explicit FrameMaterialsDialog(const QImage& picture, QWidget* parent = nullptr);

    // The chosen material, -1 before one is chosen.
    int Material() const;

    // The photo shrunk to a button and framed in the material, as the photo would be.
    static QImage FramedSample(const QImage& picture, int material);

private:
    QButtonGroup* m_materials = nullptr;
};
