#include "photos/view/PhotoDrag.h"

#include <QDrag>
#include <QMimeData>
#include <QPixmap>
#include <QUrl>
#include <QWidget>

namespace PhotoDrag {

namespace {

Qt::DropAction Run(QWidget* source, QMimeData* data, const QPixmap& pixmap,
                   Qt::DropActions actions, Qt::DropAction preferred)
{
    auto* drag = new QDrag(source);
    drag->setMimeData(data);
    if (!pixmap.isNull()) {
        drag->setPixmap(pixmap);
        drag->setHotSpot(QPoint(pixmap.width() / 2, pixmap.height() / 2));
    }
    return drag->exec(actions, preferred);
}

QMimeData* Carrying(const char* mime, const QString& path)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(mime), path.toUtf8());
    return data;
}

} // namespace

QString PathIn(const QMimeData* data, const char* mime)
{
    if (!data || !data->hasFormat(QString::fromLatin1(mime)))
        return {};
    return QString::fromUtf8(data->data(QString::fromLatin1(mime)));
}

bool ToFolder(QWidget* source, const QString& path, const QPixmap& pixmap)
{
    return Run(source, Carrying(kPhotoMime, path), pixmap, Qt::MoveAction, Qt::MoveAction)
        == Qt::MoveAction;
}

void ToPage(QWidget* source, const QString& path, const QPixmap& pixmap)
{
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(path)});
    Run(source, data, pixmap, Qt::CopyAction, Qt::CopyAction);
}

bool Document(QWidget* source, const QString& path, const QPixmap& pixmap)
{
    // Only this program's views understand the drag: another program must not be able to
    // move the document out of the library behind the tree's back.
    return Run(source, Carrying(kDocumentMime, path), pixmap, Qt::MoveAction | Qt::CopyAction,
               Qt::MoveAction)
        == Qt::MoveAction;
}

} // namespace PhotoDrag
