#include "canvas/editing/PageDocument.h"

PageDocument::PageDocument(QObject* parent) : QObject(parent) {}

bool PageDocument::IsUntitled() const
{
    return m_title.compare(QLatin1String(kUntitled), Qt::CaseInsensitive) == 0;
}

void PageDocument::SetTitle(const QString& title)
{
    if (title == m_title)
        return;
    m_title = title;
    Q_EMIT titleChanged(m_title);
}

void PageDocument::SetPath(const QString& path)
{
    m_path = path;
}

void PageDocument::SetModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(m_modified);
}
