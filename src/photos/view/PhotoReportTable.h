#pragma once

#include "photos/view/InPlaceRename.h"
#include "photos/PhotoFiles.h"

#include <QTreeWidget>
#include <vector>

// The Photo Center's table of file details: one whole-row-selected row per photo, in
// name order until a click on a column heading sorts by that column.
class PhotoReportTable : public QTreeWidget
{
    Q_OBJECT

public:
    static constexpr int kPathRole = Qt::UserRole;
    static constexpr int kNameColumn = 1;

    explicit PhotoReportTable(QWidget* parent = nullptr);

    // Rows for the files; the selected photos that are still there stay selected.
    void Fill(const std::vector<PhotoFiles::PhotoFile>& files);
    static QString PathOf(const QTreeWidgetItem* item);
    QTreeWidgetItem* ItemOf(const QString& path) const;
    QStringList SelectedPaths() const;
    void EditName(QTreeWidgetItem* item);
    // An editor is open or a drag is on: the rows must not be rebuilt now.
    bool IsBusy() const
    {
        return state() == EditingState || state() == DraggingState || HasOpenEditor(*this);
    }

Q_SIGNALS:
    void PhotoMovedAway(const QString& path);
    void RenameCommitted(const QString& path, const QString& newName);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void commitData(QWidget* editor) override;

private:
    InPlaceRename m_rename;
};
