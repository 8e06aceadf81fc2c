#pragma once

#include "photos/PhotoFiles.h"

#include <QTreeWidget>
#include <vector>

// The Photo Center's table of file details: one whole-row-selected row per photo.
class CPhotoReportWidget : public QTreeWidget
{
    Q_OBJECT

public:
    static constexpr int kPathRole = Qt::UserRole;
    static constexpr int kNameColumn = 1;

    explicit CPhotoReportWidget(QWidget* parent = nullptr);

    void Fill(const std::vector<PhotoFiles::CPhotoFile>& files);
    static QString PathOf(const QTreeWidgetItem* item);
    QTreeWidgetItem* ItemOf(const QString& path) const;
    QStringList SelectedPaths() const;
    void EditName(QTreeWidgetItem* item);

Q_SIGNALS:
    void photoMovedAway(const QString& path);
    void renameCommitted(const QString& path, const QString& newName);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void commitData(QWidget* editor) override;

private:
    QString m_editedPath;
};
