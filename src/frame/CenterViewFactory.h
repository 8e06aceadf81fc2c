#pragma once

#include "app/CenterIndex.h"

#include <QString>
#include <functional>

class CCenterView;
class QWidget;

// Makes the view of a center; the center container calls it once per center at start-up.
using CenterViewFactory = std::function<CCenterView*(Center::Index, QWidget* parent)>;

// The program's own views.
CCenterView* CreateDefaultCenterView(Center::Index center, QWidget* parent);

// The display name of a center ("Edit Center", ...).
QString CenterName(Center::Index center);
// The bundled icon of a center.
QString CenterIconName(Center::Index center);
