#pragma once

#include "camera/CameraFrame.h"

#include <QDate>
#include <QString>

// The files the camera makes: their names and how they are written.
namespace CapturedPhotos {

// Photos of one day and folder are numbered 000 to 999, then 000 again.
inline constexpr int kNumbers = 1000;

// "YYYY_M_D_NNN_<folder>.jpg": the date without leading zeros, the number in three digits.
QString Name(const QDate& date, int number, const QString& folderName);
// The folder's own name, the last part of its path.
QString FolderName(const QString& folder);

// Encodes the frame as JPEG and puts it at `path`, never replacing a file there: it is
// written under a hidden name first and renamed once complete. Empty when stored, else
// why not; nothing is left behind on failure.
QString Save(const CameraFrame& frame, const QString& path);

} // namespace CapturedPhotos
