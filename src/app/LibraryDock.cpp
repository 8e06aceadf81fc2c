#include "app/LibraryDock.h"

#include "photos/view/LibraryTree.h"

LibraryDock::LibraryDock(QWidget* parent) : QDockWidget(QStringLiteral("Photo Folders"), parent)
{
    setObjectName(QStringLiteral("folderBar"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    m_tree = new LibraryTree(this);
    m_tree->setFrameShape(QFrame::StyledPanel);
    setWidget(m_tree);
}
