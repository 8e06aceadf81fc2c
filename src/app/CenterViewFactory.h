#pragma once

#include "commands/CenterIndex.h"

#include <QString>
#include <functional>

class CenterView;
class QWidget;

// Makes the view of a center; the center container calls it once per center at start-up.
using CenterViewFactory = std::function<CenterView*(Center::Index, QWidget* parent)>;

// The program's own views.
CenterView* CreateDefaultCenterView(Center::Index center, QWidget* parent);

// The display name of a center ("Edit Center", ...).
QString CenterName(Center::Index center);
// The bundled icon of a center.
QString CenterIconName(Center::Index center);
