#pragma once

#include <QStringList>

// tendrel-cli send-daily [--home DIR] [--now YYYY-MM-DDTHH:MM]
int SendDailyCommand(const QStringList& arguments);
// tendrel-cli send --to ADDRESSES --subject TEXT [--attach FILE] [--text TEXT] [--home DIR]
int SendCommand(const QStringList& arguments);
