#include "photos/LibraryScan.h"
