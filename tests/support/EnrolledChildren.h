#pragma once

#include <QString>

// Enrolls a child through the program's own recordset, making the records database of
// the present application folder when it is missing.
void Enroll(const QString& name, int days = 5, double dailyPbg = 0, const QString& email = {});
