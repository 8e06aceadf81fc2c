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
