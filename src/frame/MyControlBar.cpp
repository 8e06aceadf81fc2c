#include "frame/MyControlBar.h"

#include "photos/MyTreeView.h"

CMyControlBar::CMyControlBar(QWidget* parent) : QDockWidget(QStringLiteral("Photo Folders"), parent)
{
    setObjectName(QStringLiteral("folderBar"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    m_tree = new CMyTreeView(this);
    m_tree->setFrameShape(QFrame::StyledPanel);
    setWidget(m_tree);
}
