#pragma once

#include <QDockWidget>

class CMyTreeView;

// The docking bar on the left of the main window that holds the photo folder tree.
class CMyControlBar : public QDockWidget
{
    Q_OBJECT

public:
    explicit CMyControlBar(QWidget* parent);

    CMyTreeView* Tree() const { return m_tree; }

private:
    CMyTreeView* m_tree = nullptr;
};
