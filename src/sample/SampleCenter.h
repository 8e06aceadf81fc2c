#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// A small center to look around in and to show: settings, eight children with their
// photos, daily records, tuition and staff, and two newsletters, all invented and dated
// around `today` so it always looks current.
namespace SampleCenter {

// Why the folder cannot take a sample center: it holds a center already (a records
// database, a settings file, or children's folders). Empty when it can.
QString WhyNotHere(const QString& folder);

// Builds the center in the folder, which becomes the program's application folder.
// Returns the problem, empty when everything was written.
QString Make(const QString& folder, const QDate& today);

// The children's names, in enrollment order.
QStringList ChildNames();
// The folder the newsletters are kept in: the class folder.
QString NewsletterFolder(const QString& folder);

} // namespace SampleCenter
