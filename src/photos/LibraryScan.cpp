#include "photos/LibraryScan.h"

#include "photos/FolderWalk.h"
#include "photos/NaturalOrder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace LibraryScan {

namespace {

void ScanChildren(CLibraryNode& parent, int depth, FolderWalk::CVisited& visited)
{
    if (!visited.Enter(parent.path, depth))
        return;   // shown, but a link back or a folder too deep is not entered again
    for (CLibraryNode& node : Entries(parent.path)) {
        if (node.kind == CLibraryNode::Folder)
            ScanChildren(node, depth + 1, visited);
        // The tree always put each new item first.
        parent.children.insert(parent.children.begin(), std::move(node));
    }
}

CLibraryNode ScanFrom(CLibraryNode::Kind kind, const QString& path)
{
    CLibraryNode node;
    node.kind = kind;
    node.path = path;
    node.name = DisplayName(path, kind);
    FolderWalk::CVisited visited;
    ScanChildren(node, kind == CLibraryNode::Root ? 0 : 1, visited);
    return node;
}

} // namespace

std::vector<CLibraryNode> Entries(const QString& folder)
{
    std::vector<CLibraryNode> entries;
    for (const QFileInfo& entry : FolderWalk::EntriesByName(folder, QDir::Files | QDir::Dirs)) {
        CLibraryNode node;
        node.path = entry.filePath();
        if (entry.isDir())
            node.kind = CLibraryNode::Folder;
        else if (IsDocument(entry.fileName()))
            node.kind = CLibraryNode::Document;
        else
            continue;
        node.name = DisplayName(node.path, node.kind);
        entries.push_back(std::move(node));
    }
    return entries;
}

CLibraryNode ScanFolder(const QString& folder)
{
    return ScanFrom(CLibraryNode::Folder, folder);
}

bool IsDocument(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 0
           && fileName.mid(dot + 1).compare(QLatin1String("wrn"), Qt::CaseInsensitive) == 0;
}

CLibraryNode Scan(const QString& root)
{
    CLibraryNode tree = ScanFrom(CLibraryNode::Root, root);
    const NaturalOrder order;
    std::stable_sort(tree.children.begin(), tree.children.end(),
                     [&order](const CLibraryNode& a, const CLibraryNode& b) {
                         return order(a.name, b.name);
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
