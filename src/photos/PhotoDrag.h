#pragma once

#include <QString>

class QMimeData;
class QPixmap;
class QObject;

// Photos and documents dragged between the library's views and the page.
namespace PhotoDrag {

// A photo from the Photo Center, to be moved into a folder of the tree.
inline constexpr const char* kPhotoMime = "application/x-tendrel-photo";
// A document from the tree, to be moved into a folder or opened on the page.
inline constexpr const char* kDocumentMime = "application/x-tendrel-document";

// The path a drag of `mime` carries; empty for other drags and drags from elsewhere.
QString PathIn(const QMimeData* data, const char* mime);
// A document dragged from the tree, or one page file from the desktop; else empty.
QString DocumentIn(const QMimeData* data);

// Drags a photo towards the tree; true when the tree moved it.
bool ToFolder(QObject* source, const QString& path, const QPixmap& pixmap);
// Drags a photo towards the page, which places it where it is dropped.
void ToPage(QObject* source, const QString& path, const QPixmap& pixmap);
// Drags a document from the tree; true when it was moved into another folder.
bool Document(QObject* source, const QString& path, const QPixmap& pixmap);

} // namespace PhotoDrag
