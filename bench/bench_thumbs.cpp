// Thumbnails of a camera folder, cold and warm.
#include "photos/Thumbnails.h"
