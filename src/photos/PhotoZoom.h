#pragma once

// The thumbnail zoom of the Photo Center.
namespace PhotoZoom {

// The zoom buttons step by ZoomSlider::FactorIn and FactorOut, as the page's do.

// The status bar slider, 0 to 200: 100 is actual size, 200 three times, below 20 a fifth.
double FromSlider(int position);

} // namespace PhotoZoom
