#pragma once

#include <QString>

// A records file as a center has it after five years: 200 children, one enrollment row
// each, and a daily record per child per school day (about 200,000 rows), the newest in
// the current month. Made once in a temporary folder that becomes the application folder.
namespace BenchRecords {

inline constexpr int kChildren = 200;
inline constexpr int kDaysPerChild = 1000;

QString ChildName(int child);
// Points the application folder at a new temporary folder with an empty records file,
// kept for the rest of the run.
void UseNewDatabase();
// Makes the file the first time; later calls return at once.
void EnsureFiveYearDatabase();
// Instead: 200 children with a row for every week of the last ten years, made the way the
// week check makes them. Made the first time; later calls return at once.
void EnsureTenYearsOfWeeks();

} // namespace BenchRecords
