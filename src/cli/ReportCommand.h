#pragma once

#include <QStringList>

// tendrel-cli report (statement --child NAME | tuition-list | staff) --year Y --month M
//   [--home DIR] (--json | OUT.png | OUT.pdf)
int ReportCommand(const QStringList& arguments);
