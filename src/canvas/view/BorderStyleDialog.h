#pragma once

#include "canvas/editing/PhotoDialogEdits.h"

#include <QDialog>

class ColorChoiceButton;
class PhotoObject;
class PhotoSample;
class QSpinBox;

// "Image Border Style": the photo's border width and colour, with a sample of the photo
// that follows both.
class BorderStyleDialog : public QDialog
{
    Q_OBJECT

public:
    BorderStyleDialog(const PhotoObject& photo, const PhotoDialogEdits::Border& border,
                      QWidget* parent = nullptr);

    PhotoDialogEdits::Border Chosen() const;
    void SetWidth(int width);
    const PhotoSample& Sample() const { return *m_sample; }

private:
    void ShowSample();

    QSpinBox* m_width = nullptr;
    ColorChoiceButton* m_colour = nullptr;
    PhotoSample* m_sample = nullptr;
};
