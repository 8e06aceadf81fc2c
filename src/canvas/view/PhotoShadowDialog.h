#pragma once

#include "canvas/editing/PhotoDialogEdits.h"

#include <QDialog>

class ColorChoiceButton;
class PhotoObject;
class PhotoSample;
class QButtonGroup;
class QSlider;
class QSpinBox;

// "Image Shadow": the photo shadow's colour, darkness, size and direction, with a sample
// of the photo that follows them.
class PhotoShadowDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kLargestSize = 100;

    PhotoShadowDialog(const PhotoObject& photo, const PhotoDialogEdits::PhotoShadow& shadow,
                      QWidget* parent = nullptr);

    PhotoDialogEdits::PhotoShadow Chosen() const;
    const PhotoSample& Sample() const { return *m_sample; }

private:
    void ShowSample();

    ColorChoiceButton* m_colour = nullptr;
    QSlider* m_darkness = nullptr;
    QSpinBox* m_size = nullptr;
    QButtonGroup* m_directions = nullptr;
    PhotoSample* m_sample = nullptr;
};
