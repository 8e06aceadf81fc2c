#pragma once

#include <QDockWidget>

class LibraryTree;

// The docking bar on the left of the main window that holds the photo folder tree.
class LibraryDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit LibraryDock(QWidget* parent);

    LibraryTree* Tree() const { return m_tree; }

private:
    LibraryTree* m_tree = nullptr;
};
