#include "app/SnapfoldDoc.h"

CSnapfoldDoc::CSnapfoldDoc(QObject* parent) : QObject(parent) {}

bool CSnapfoldDoc::IsUntitled() const
{
    return m_title.compare(QLatin1String(kUntitled), Qt::CaseInsensitive) == 0;
}

void CSnapfoldDoc::SetTitle(const QString& title)
{
    if (title == m_title)
        return;
    m_title = title;
    Q_EMIT titleChanged(m_title);
}

void CSnapfoldDoc::SetPath(const QString& path)
{
    m_path = path;
}

void CSnapfoldDoc::SetModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(m_modified);
}
