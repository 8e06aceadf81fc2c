#include "photos/view/InPlaceRename.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QMetaObject>

bool HasOpenEditor(const QAbstractItemView& view)
{
    // Editors are the only widgets the photo lists put on their viewport.
    for (const QWidget* child : view.viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            return true;
    return false;
}

void InPlaceRename::Commit(QObject* context, QWidget* editor, Handler handler)
{
    const auto* line = qobject_cast<const QLineEdit*>(editor);
    const QString path = std::exchange(m_path, QString());
    if (!line || path.isEmpty())
        return;
    QMetaObject::invokeMethod(
        context, [handler = std::move(handler), path, typed = line->text()] { handler(path, typed); },
        Qt::QueuedConnection);
}
