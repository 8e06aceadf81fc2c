#include "photos/PhotoFiles.h"
