#pragma once

#include <QString>
#include <vector>

// The folders and documents under the pictures root, in the order the folder tree
// shows them.
struct LibraryNode
{
    enum Kind { Root = 0, Folder = 1, Document = 2 };

    Kind kind = Root;
    QString name;   // the last path component; documents without ".wrn"
    QString path;   // the full path
    std::vector<LibraryNode> children;
};

namespace LibraryScan {

// True for a document the tree lists: the extension is "wrn" in any case.
bool IsDocument(const QString& fileName);

// Scans `root` recursively. Names beginning with "." are skipped; subfolders become
// folders and ".wrn" files documents. Each level lists its entries in the reverse of
// the name order (every new item goes first) except the root's children, which are
// sorted by name (NaturalOrder). A folder reached again through a link, or nested more
// than 64 levels deep, is listed without its contents. A missing root gives a root
// without children.
LibraryNode Scan(const QString& root);

// A folder that turned up after the scan, with its contents listed as Scan lists the
// folders below the root.
LibraryNode ScanFolder(const QString& folder);

// The subfolders and documents directly in a folder, in name order, not entered.
std::vector<LibraryNode> Entries(const QString& folder);

// The tree's text for a path: the last component, documents without their extension.
// A root with no last component ("/") shows its native path.
QString DisplayName(const QString& path, LibraryNode::Kind kind);

} // namespace LibraryScan
