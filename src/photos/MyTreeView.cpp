#include "photos/MyTreeView.h"

#include "controls/Icons.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>

CMyTreeView::CMyTreeView(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("folderTree"));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setIconSize(QSize(16, 16));
}

void CMyTreeView::LoadRoot(const QString& path)
{
    m_rootPath = path;
    clear();
    const QString label = QFileInfo(path).fileName().isEmpty() ? QDir::toNativeSeparators(path)
                                                               : QFileInfo(path).fileName();
    auto* root = new QTreeWidgetItem(this, QStringList{label});
    root->setIcon(0, TendrelIcon(QStringLiteral("tree-root")));
    root->setToolTip(0, QDir::toNativeSeparators(path));
    setCurrentItem(root);
}

bool CMyTreeView::OnCommand(int)
{
    return false;
}

CCommandState CMyTreeView::UpdateCommand(int) const
{
    return {};
}
