#include "photos/Thumbnails.h"
