#include "photos/PhotoDrag.h"

#include <QDrag>
#include <QMimeData>
#include <QPixmap>
#include <QUrl>

namespace PhotoDrag {

namespace {

Qt::DropAction Run(QObject* source, QMimeData* data, const QPixmap& pixmap,
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

QString DocumentIn(const QMimeData* data)
{
    if (QString path = PathIn(data, kDocumentMime); !path.isEmpty())
        return path;
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.size() == 1 && urls.front().isLocalFile()
        && urls.front().toLocalFile().endsWith(QStringLiteral(".wrn"), Qt::CaseInsensitive))
        return urls.front().toLocalFile();
    return {};
}

bool ToFolder(QObject* source, const QString& path, const QPixmap& pixmap)
{
    return Run(source, Carrying(kPhotoMime, path), pixmap, Qt::MoveAction, Qt::MoveAction)
        == Qt::MoveAction;
}

void ToPage(QObject* source, const QString& path, const QPixmap& pixmap)
{
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(path)});
    Run(source, data, pixmap, Qt::CopyAction, Qt::CopyAction);
}

bool Document(QObject* source, const QString& path, const QPixmap& pixmap)
{
    // Only this program's views understand the drag: another program must not be able to
    // move the document out of the library behind the tree's back.
    return Run(source, Carrying(kDocumentMime, path), pixmap, Qt::MoveAction | Qt::CopyAction,
               Qt::MoveAction)
        == Qt::MoveAction;
}

} // namespace PhotoDrag
