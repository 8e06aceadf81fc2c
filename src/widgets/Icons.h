#pragma once

#include <QIcon>
#include <QString>

// A bundled icon by name (res/icons/<name>.svg); a null icon for an empty or unknown name.
QIcon TendrelIcon(const QString& name);
