#pragma once

#include <QDialog>
#include <array>
#include <functional>

class QLabel;
class QSlider;

// "Color Balance & Transparency Dialog": a slider for each of red, green and blue; every
// move is shown on the page at once.
class ColourBalanceDialog : public QDialog
{
    Q_OBJECT

public:
    using Sliders = std::array<int, 3>; // red, green, blue, each 0..255

    ColourBalanceDialog(const Sliders& values, std::function<void(const Sliders&)> moved,
                        QWidget* parent = nullptr);

    Sliders Values() const;
    // As if the user had dragged slider 0 (red), 1 (green) or 2 (blue) there.
    void SetValue(int channel, int value);

private:
    std::array<QSlider*, 3> m_sliders{};
    std::function<void(const Sliders&)> m_moved;
};
