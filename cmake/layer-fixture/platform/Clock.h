#pragma once

// A core room reaching up into the widgets: the layer check must refuse this.
#include "widgets/Icons.h"
