#include "photos/PhotoZoom.h"

#include <algorithm>

namespace PhotoZoom {

double FromSlider(int position)
{
    if (position > 100)
        return int(position * 1.5) / 100.0;
    return std::max(position, 20) / 100.0;
}

} // namespace PhotoZoom
