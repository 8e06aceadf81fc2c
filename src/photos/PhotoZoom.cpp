#include "photos/PhotoZoom.h"

#include <algorithm>

namespace PhotoZoom {

double In(double factor)
{
    if (factor >= kLargest)
        return factor;
    if (factor == 0.5)
        return 0.75;
    if (factor == 0.75)
        return 1.0;
    if (factor == 1.0)
        return 1.5;
    if (factor == 1.5)
        return 2.0;
    return factor * 2;
}

double Out(double factor)
{
    if (factor <= kSmallest)
        return factor;
    if (factor == 2.0)
        return 1.5;
    if (factor == 1.5)
        return 1.0;
    if (factor == 1.0)
        return 0.75;
    if (factor == 0.75)
        return 0.5;
    return factor / 2;
}

double FromSlider(int position)
{
    if (position > 100)
        return int(position * 1.5) / 100.0;
    return std::max(position, 20) / 100.0;
}

} // namespace PhotoZoom
