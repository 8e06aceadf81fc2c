#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QSlider;

// A dialog of one slider from 0 to 100 whose every move is shown on the page at once:
// "Object Transparency" and "Free Rotation".
class OneSliderDialog : public QDialog
{
    Q_OBJECT

public:
    struct Look
    {
        QString objectName;
        QString title;
        QString label;    // above the slider
        QString leftEnd;  // beside its two ends
        QString rightEnd;
        QString note;     // after the label, e.g. the range
        std::function<QString(int)> readout; // the value as the user reads it
    };

    OneSliderDialog(const Look& look, int value, std::function<void(int)> moved,
                    QWidget* parent = nullptr);

    int Value() const;
    // As if the user had dragged the slider there.
    void SetValue(int value);

private:
    void Show(int value);

    QSlider* m_slider = nullptr;
    QLabel* m_readout = nullptr;
    std::function<QString(int)> m_format;
    std::function<void(int)> m_moved;
};
