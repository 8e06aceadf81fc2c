#pragma once

// Where an object is being painted, which decides whether selection frames appear.
// Objects paint in page units through the painter's world transform (scale for zoom,
// translation for scrolling); selection frames and blurred shadows are worked out in
// device pixels from that transform, so views map with it rather than with a
// window/viewport pair.
struct DrawContext
{
    enum class Device { Screen, Printer };

    Device device = Device::Screen;
    bool exporting = false; // the page is being rendered for an image or PDF file
    double zoom = 1.0;

    // Frames are a screen aid: never printed or exported, and only at 100 % where
    // page units are device pixels.
    bool ShowsSelectionFrames() const
    {
        return device == Device::Screen && !exporting && zoom == 1.0;
    }

    static DrawContext Export() { return {Device::Screen, true, 1.0}; }
    static DrawContext Print() { return {Device::Printer, false, 1.0}; }
};
