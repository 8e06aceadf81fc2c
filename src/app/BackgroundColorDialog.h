#pragma once

#include <QColor>
#include <QDialog>
#include <array>

class ColorSwatchButton;

// "Alternate Wall Paper": twelve samples to choose the page's background colour from.
class BackgroundColorDialog : public QDialog
{
    Q_OBJECT

public:
    struct Swatch
    {
        int controlId;
        QColor color;
    };
    // The samples in rows of three, top to bottom.
    static const std::array<Swatch, 12>& Swatches();
    static inline const QColor kStartColor{129, 192, 245};

    explicit BackgroundColorDialog(QWidget* parent = nullptr);

    QColor SelectedColor() const { return m_selected; }
    // Chooses a sample by its control id, as a click on it does.
    void Choose(int controlId);

private:
    QColor m_selected = kStartColor;
    std::array<ColorSwatchButton*, 12> m_buttons{};
};
