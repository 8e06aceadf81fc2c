#pragma once

#include "photos/view/ThumbnailList.h"

class FolderWatch;

// The strip of thumbnails below the page (and below the camera): a row of the selected
// folder's photos to double-click or drag onto the page. It follows photos added to or
// removed from the folder by other programs.
class PhotoStrip : public ThumbnailList
{
    Q_OBJECT

public:
    static constexpr QSize kItemSize{80, 64};
    static constexpr QSize kThumbnailSize{100, 80};

    explicit PhotoStrip(QWidget* parent = nullptr);

    // Lists a folder unless it already shows it as it is.
    void ShowFolder(const QString& folder);
    QString FolderShown() const { return m_folder; }

Q_SIGNALS:
    // Double-clicked: the photo goes onto the page.
    void PhotoActivated(const QString& path);

private:
    QString m_folder;
    std::vector<PhotoFiles::PhotoFile> m_files;
    FolderWatch* m_watch = nullptr;
};
