#pragma once

#include <QStringList>

// tendrel-cli photo IN OUT OP [OP …]
int PhotoCommand(const QStringList& arguments);
