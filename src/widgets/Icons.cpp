#include "widgets/Icons.h"

#include <QFile>
#include <QHash>

QIcon TendrelIcon(const QString& name)
{
    static QHash<QString, QIcon> cache;
    if (name.isEmpty())
        return {};
    const auto found = cache.constFind(name);
    if (found != cache.constEnd())
        return *found;
    const QString path = QStringLiteral(":/icons/%1.svg").arg(name);
    const QIcon icon = QFile::exists(path) ? QIcon(path) : QIcon();
    cache.insert(name, icon);
    return icon;
}
