#include "photos/LibraryScan.h"

#include "photos/FolderWalk.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace LibraryScan {

namespace {

void ScanChildren(CLibraryNode& parent, int depth, FolderWalk::CVisited& visited)
{
    if (!visited.Enter(parent.path, depth))
        return;   // shown, but a link back or a folder too deep is not entered again
    for (const QFileInfo& entry :
         FolderWalk::EntriesByName(parent.path, QDir::Files | QDir::Dirs)) {
        CLibraryNode node;
        node.path = entry.filePath();
        if (entry.isDir()) {
            node.kind = CLibraryNode::Folder;
            ScanChildren(node, depth + 1, visited);
        } else if (IsDocument(entry.fileName())) {
            node.kind = CLibraryNode::Document;
        } else {
            continue;
        }
        node.name = DisplayName(node.path, node.kind);
        // The tree always put each new item first.
        parent.children.insert(parent.children.begin(), std::move(node));
    }
}

} // namespace

bool IsDocument(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 0
           && fileName.mid(dot + 1).compare(QLatin1String("wrn"), Qt::CaseInsensitive) == 0;
}

CLibraryNode Scan(const QString& root)
{
    CLibraryNode tree;
    tree.kind = CLibraryNode::Root;
    tree.path = root;
    tree.name = DisplayName(root, CLibraryNode::Root);
    FolderWalk::CVisited visited;
    ScanChildren(tree, 0, visited);
    std::stable_sort(tree.children.begin(), tree.children.end(),
                     [](const CLibraryNode& a, const CLibraryNode& b) {
                         return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
                     });
    return tree;
}

QString DisplayName(const QString& path, CLibraryNode::Kind kind)
{
    const QString cleaned = QDir::cleanPath(path);
    QString name = QFileInfo(cleaned).fileName();
    if (kind == CLibraryNode::Root && name.isEmpty())
        return QDir::toNativeSeparators(cleaned);
    if (kind == CLibraryNode::Document) {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0)
            name.truncate(dot);
    }
    return name;
}

} // namespace LibraryScan
