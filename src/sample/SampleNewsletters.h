#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The sample center's two newsletters: this month's news and next month's events, made
// of the library's photos, text art, shapes, page materials and a calendar.
namespace SampleNewsletters {

// The file names, in the order they are written.
QStringList FileNames(const QDate& today);
// Writes both pages into `folder`, using the photos under `picturesRoot`. Returns the
// problem, empty when both were written.
QString Write(const QString& folder, const QString& picturesRoot, const QDate& today);

} // namespace SampleNewsletters
