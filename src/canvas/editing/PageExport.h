#pragma once

#include "canvas/objects/PageRect.h"

#include <QString>

class CanvasModel;

// The page as files for others: a picture of the page or of the selection, and the
// PDF export with its picture beside it.
namespace PageExport {

// The save dialog's filters; each one writes a file.
QString ImageFilters();
// Where Save as Image starts: the pictures folder of the application folder.
QString ImageStartFolder();
// The typed name with the chosen filter's extension, added only when it is not there
// yet. A name without a filter to go by is kept as typed.
QString ImagePath(const QString& typed, const QString& chosenFilter);

struct ExportFiles
{
    QString picture; // <folder>/<name>.png
    QString pdf;     // <folder>/<name>.pdf
};
// "Untitled" for a page never saved, else the document's file name without extension,
// in `folder`.
ExportFiles ExportFilesFor(const QString& title, const QString& path, const QString& folder);

// Writes the picture of the whole page, then the PDF with the page's objects as
// vectors. False (and *error set) when either could not be written.
bool Export(const CanvasModel& model, const PageRect& pageFrame, const ExportFiles& files,
            QString* error);

} // namespace PageExport
