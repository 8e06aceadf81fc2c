#include "photos/view/InPlaceRename.h"

#include <QLineEdit>
#include <QMetaObject>

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
