#include "photos/LibraryFiles.h"
