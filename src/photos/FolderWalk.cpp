#include "photos/FolderWalk.h"

#include "photos/NaturalOrder.h"

#include <QFileInfo>
#include <algorithm>

namespace FolderWalk {

QFileInfoList EntriesByName(const QString& folder, QDir::Filters filters)
{
    // Hidden is asked for so that the dot rule alone decides, on every system.
    QFileInfoList entries = QDir(folder).entryInfoList(
        filters | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted);
    entries.removeIf([](const QFileInfo& entry) {
        return entry.fileName().startsWith(QLatin1Char('.'))
               || (!entry.isFile() && !entry.isDir());
    });
    const NaturalOrder order;
    std::sort(entries.begin(), entries.end(), [&order](const QFileInfo& a, const QFileInfo& b) {
        return order(a.fileName(), b.fileName());
    });
    return entries;
}

bool Visited::Enter(const QString& folder, int depth)
{
    if (depth > kMaxDepth)
        return false;
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || m_canonical.contains(canonical))
        return false;
    m_canonical.insert(canonical);
    return true;
}

} // namespace FolderWalk
