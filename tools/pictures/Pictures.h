#pragma once

#include <QDir>
#include <QString>

// Pictures for a person to look at; each returns false when a picture could not be
// written.

// A camera-like photo, written into the folder; returns its path.
QString WriteSamplePicture(const QDir& folder);
bool WriteCanvasPages(const QDir& folder, const QString& photo);
bool WriteCanvasViewPictures(const QDir& folder, const QString& photo);
bool WriteWindowPictures(const QDir& folder);
bool WriteCameraPictures(const QDir& folder);
// Every center on the application folder the program uses, with the data it holds.
bool WriteSampleCenterPictures(const QDir& folder);
