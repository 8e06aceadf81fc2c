#pragma once

#include <QStringList>

// make-sample --home DIR: builds the sample center in DIR.
int MakeSampleCommand(const QStringList& arguments);
