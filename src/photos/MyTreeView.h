#pragma once

#include "app/CommandTarget.h"

#include <QTreeWidget>

// The folder tree of the photo library, docked on the left of the main window.
class CMyTreeView : public QTreeWidget, public CCommandTarget
{
    Q_OBJECT

public:
    explicit CMyTreeView(QWidget* parent = nullptr);

    // Shows the library under a new root folder.
    void LoadRoot(const QString& path);
    QString RootPath() const { return m_rootPath; }

    bool OnCommand(int id) override;
    CCommandState UpdateCommand(int id) const override;

private:
    QString m_rootPath;
};
