#pragma once

#include "canvas/objects/KeptPixels.h"

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

// Soft and glow shadows of every kind of object: the figure's mask, blurred off-screen
// and tinted, painted under the figure.
struct BlurredShadow
{
    QPainterPath mask;   // page units; filled as the shadow's shape
    QColor color;
    QPointF offset;      // page units
    double blurRadius = 4.0; // page units
    double spread = 0.0; // page units the mask grows by on every side before blurring
};

// A soft shadow falls beside the figure; a glow surrounds it evenly.
BlurredShadow SoftShadow(const QPainterPath& mask, const QColor& color, double dx, double dy);
BlurredShadow GlowShadow(const QPainterPath& mask, const QColor& color, double dx, double dy);

// With `kept`, the blurred shadow is taken from there while its outline only moves by
// whole pixels, and kept there when it has to be worked out.
void PaintBlurredShadow(QPainter& painter, const BlurredShadow& shadow,
                        KeptLayer* kept = nullptr);

// Three box-blur passes over an 8-bit coverage map, close to a Gaussian.
void BlurCoverage(std::vector<unsigned char>& coverage, int width, int height, int radius);
