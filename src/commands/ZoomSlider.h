#pragma once

#include <algorithm>
#include <optional>

// Where the status bar's zoom slider goes after a zoom button, given the zoom factor
// of the view that zoomed (none when the shown center has nothing to zoom).
namespace ZoomSlider {

inline constexpr int kMinimum = 0;
inline constexpr int kMaximum = 200;
inline constexpr int kActualSize = 100;
inline constexpr int kStep = 30;
inline constexpr double kLargestFactor = 8.0;
inline constexpr double kSmallestFactor = 0.2;

// The next zoom factor up or down, for the page and the thumbnails alike: the steps 0.5,
// 0.75, 1, 1.5 and 2, doubling or halving beyond them; unchanged at the limits.
constexpr double FactorIn(double factor)
{
    if (factor >= kLargestFactor)
        return factor;
    if (factor == 0.5)
        return 0.75;
    if (factor == 0.75)
        return 1.0;
    if (factor == 1.0)
        return 1.5;
    if (factor == 1.5)
        return 2.0;
    return factor * 2.0;
}

constexpr double FactorOut(double factor)
{
    if (factor <= kSmallestFactor)
        return factor;
    if (factor == 2.0)
        return 1.5;
    if (factor == 1.5)
        return 1.0;
    if (factor == 1.0)
        return 0.75;
    if (factor == 0.75)
        return 0.5;
    return factor / 2.0;
}

// The page's zoom at a slider position: actual size at the middle, the largest factor at
// the top and an eighth at the bottom.
constexpr double PageZoomAt(int position)
{
    constexpr double kPageSmallest = 0.125;
    if (position >= kActualSize)
        return 1.0 + double(position - kActualSize) / kActualSize * (kLargestFactor - 1.0);
    return kPageSmallest + double(position) / kActualSize * (1.0 - kPageSmallest);
}

constexpr int AfterZoomIn(int previous, std::optional<double> factor)
{
    if (factor && *factor >= kLargestFactor)
        return kMaximum;
    return std::clamp(previous + kStep, kMinimum, kMaximum);
}

constexpr int AfterZoomOut(int previous, std::optional<double> factor)
{
    if (factor && *factor <= kSmallestFactor)
        return kMinimum;
    return std::clamp(previous - kStep, kMinimum, kMaximum);
}

} // namespace ZoomSlider
