#pragma once

// The thumbnail zoom of the Photo Center.
namespace PhotoZoom {

inline constexpr double kLargest = 8.0;
inline constexpr double kSmallest = 0.2;

// The next factor up; unchanged at 8 or more.
double In(double factor);
// The next factor down; unchanged at 0.2 or less.
double Out(double factor);
// The status bar slider, 0 to 200: 100 is actual size, 200 three times, below 20 a fifth.
double FromSlider(int position);

} // namespace PhotoZoom
