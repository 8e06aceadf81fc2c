#include "photos/LibraryScan.h"

#include "photos/FolderWalk.h"
#include "photos/NaturalOrder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace LibraryScan {

namespace {

void ScanChildren(LibraryNode& parent, int depth, FolderWalk::Visited& visited)
{
    if (!visited.Enter(parent.path, depth))
        return;   // shown, but a link back or a folder too deep is not entered again
    for (LibraryNode& node : Entries(parent.path)) {
        if (node.kind == LibraryNode::Folder)
            ScanChildren(node, depth + 1, visited);
        // The tree always put each new item first.
        parent.children.insert(parent.children.begin(), std::move(node));
    }
}

LibraryNode ScanFrom(LibraryNode::Kind kind, const QString& path)
{
    LibraryNode node;
    node.kind = kind;
    node.path = path;
    node.name = DisplayName(path, kind);
    FolderWalk::Visited visited;
    ScanChildren(node, kind == LibraryNode::Root ? 0 : 1, visited);
    return node;
}

} // namespace

std::vector<LibraryNode> Entries(const QString& folder)
{
    std::vector<LibraryNode> entries;
    for (const QFileInfo& entry : FolderWalk::EntriesByName(folder, QDir::Files | QDir::Dirs)) {
        LibraryNode node;
        node.path = entry.filePath();
        if (entry.isDir())
            node.kind = LibraryNode::Folder;
        else if (IsDocument(entry.fileName()))
            node.kind = LibraryNode::Document;
        else
            continue;
        node.name = DisplayName(node.path, node.kind);
        entries.push_back(std::move(node));
    }
    return entries;
}

LibraryNode ScanFolder(const QString& folder)
{
    return ScanFrom(LibraryNode::Folder, folder);
}

bool IsDocument(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 0
           && fileName.mid(dot + 1).compare(QLatin1String("wrn"), Qt::CaseInsensitive) == 0;
}

LibraryNode Scan(const QString& root)
{
    LibraryNode tree = ScanFrom(LibraryNode::Root, root);
    const NaturalOrder order;
    std::stable_sort(tree.children.begin(), tree.children.end(),
                     [&order](const LibraryNode& a, const LibraryNode& b) {
                         return order(a.name, b.name);
                     });
    return tree;
}

QString DisplayName(const QString& path, LibraryNode::Kind kind)
{
    const QString cleaned = QDir::cleanPath(path);
    QString name = QFileInfo(cleaned).fileName();
    if (kind == LibraryNode::Root && name.isEmpty())
        return QDir::toNativeSeparators(cleaned);
    if (kind == LibraryNode::Document) {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0)
            name.truncate(dot);
    }
    return name;
}

} // namespace LibraryScan
