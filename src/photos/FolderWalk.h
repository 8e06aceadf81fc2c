#pragma once

#include <QDir>
#include <QFileInfoList>
#include <QSet>
#include <QString>

// How the photo library reads its folders, shared by the lists, the tree and the export.
namespace FolderWalk {

// Deeper folders are listed but not entered.
inline constexpr int kMaxDepth = 64;

// The entries of `folder` by name as people read them (NaturalOrder: "photo2" before
// "photo10", case ignored). Names beginning with "." are left out, and so is anything
// that is neither a file nor a folder (broken links, devices).
QFileInfoList EntriesByName(const QString& folder, QDir::Filters filters);

// The folders a walk has entered, so a link back into one of them is not followed again.
class Visited
{
public:
    // True the first time a folder is seen at an allowed depth; remembers it.
    bool Enter(const QString& folder, int depth);

private:
    QSet<QString> m_canonical;
};

} // namespace FolderWalk
