#pragma once

#include "widgets/CenterView.h"
#include "photos/PhotoFiles.h"

#include <QStringList>
#include <vector>

class ThumbnailList;
class FolderWatch;
class QAction;
class QMenu;
class QStackedWidget;
class PhotoReportTable;
class QTreeWidgetItem;

// The Photo Center: the selected folder's photos as thumbnails or as a table of file
// details, to copy, move, paste, delete, rename, drag into another folder or place on
// the page. It follows photos added to or removed from the folder by other programs.
class PhotoCenterView : public CenterView
{
    Q_OBJECT

public:
    enum class ClipboardMode { None = -1, Copy = 0, Move = 1 };

    explicit PhotoCenterView(QWidget* parent = nullptr);

    void Attach(PageDocument& document, ActionRegistry& actions) override;
    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;
    std::optional<double> ZoomFactor() const override { return m_zoom; }
    void ZoomFromSlider(int position) override;
    QString InfoText() const override { return m_infoText; }
    void ShowFolder(const QString& folder) override;

    QString FolderShown() const { return m_folder; }
    bool IsReportMode() const { return m_reportMode; }
    const std::vector<PhotoFiles::PhotoFile>& Files() const { return m_files; }
    const QStringList& FileClipboard() const { return m_clipboard; }
    ClipboardMode ClipboardState() const { return m_clipboardMode; }
    ThumbnailList* IconList() const { return m_icons; }
    PhotoReportTable* ReportList() const { return m_report; }
    // Selected files in list order, and the one with the focus.
    QStringList SelectedPaths() const;
    QString FocusedPath() const;
    // The right-click menu, built afresh (tests read it).
    QMenu* BuildContextMenu();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ListFolder();
    void BuildItems();
    void FillReport();
    void SetReportMode(bool report);
    void SetZoom(double zoom);
    void FillClipboard(ClipboardMode mode);
    void PasteFiles();
    void DeleteSelected();
    void StartRename();
    void Rename(const QString& path, const QString& typed);
    void ForgetFile(const QString& path);
    void ShowProgress(int done, int total);
    // The status bar tells how many photos the folder shown holds.
    void ShowCount();

    std::function<QAction*(int)> m_actionSource;
    QStackedWidget* m_stack = nullptr;
    ThumbnailList* m_icons = nullptr;
    PhotoReportTable* m_report = nullptr;
    QString m_folder;
    std::vector<PhotoFiles::PhotoFile> m_files;
    QStringList m_clipboard;
    ClipboardMode m_clipboardMode = ClipboardMode::None;
    bool m_reportMode = false;
    double m_zoom = 1.0;
    QString m_infoText;
    FolderWatch* m_watch = nullptr;
};
