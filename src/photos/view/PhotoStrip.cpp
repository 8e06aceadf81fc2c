#include "photos/view/PhotoStrip.h"

#include "photos/FolderWatch.h"

PhotoStrip::PhotoStrip(QWidget* parent)
    : ThumbnailList(DragTarget::Page, parent)
{
    setObjectName(QStringLiteral("photoStrip"));
    setFlow(QListView::LeftToRight);
    setWrapping(false);
    setIconSize(kItemSize);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setToolTip(QStringLiteral("Double-click a photo or drag it onto the page"));
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Q_EMIT PhotoActivated(PathOf(item)); });
    m_watch = new FolderWatch([this] { return IsBusy(); }, this);
    connect(m_watch, &FolderWatch::FoldersChanged, this, [this] { ShowFolder(m_folder); });
}

void PhotoStrip::ShowFolder(const QString& folder)
{
    // The folder shown is listed again only when its photos changed meanwhile (a paste,
    // a move or a picture saved over): the strip keeps its place otherwise.
    std::vector<PhotoFiles::PhotoFile> files =
        PhotoFiles::ListFolder(folder, QString::fromLatin1(PhotoFiles::kStripExtensions));
    if (folder == m_folder && PhotoFiles::SameListing(files, m_files))
        return;
    m_folder = folder;
    m_watch->Watch({folder});
    m_files = std::move(files);
    // Thumbnails are made at the Photo Center's size, so both share the cache, and shown
    // at the strip's smaller item size.
    List(m_files, kThumbnailSize);
}
