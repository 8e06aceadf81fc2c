#pragma once

#include <QStringList>

// tendrel-cli dump FILE.wrn
int DumpDocumentCommand(const QStringList& arguments);
// tendrel-cli render FILE.wrn OUT.(png|jpg|bmp|gif|tif|webp|pdf)
int RenderDocumentCommand(const QStringList& arguments);
