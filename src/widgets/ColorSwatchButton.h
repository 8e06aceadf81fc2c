#pragma once

#include <QColor>
#include <QToolButton>

// A picture button standing for one colour: a sample of the colour with a light
// wallpaper pattern, marked when chosen.
class ColorSwatchButton : public QToolButton
{
    Q_OBJECT

public:
    ColorSwatchButton(const QColor& color, QWidget* parent = nullptr);

    QColor Color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
};
