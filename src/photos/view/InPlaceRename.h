#pragma once

#include <QString>
#include <functional>

class QAbstractItemView;
class QObject;
class QWidget;

// Whether an editor is open on the view. Its editing state is not enough: a layout pass
// can reset it while the editor stays open.
bool HasOpenEditor(const QAbstractItemView& view);

// A name typed into an item view's editor, handed on only once the editor has closed.
// Renaming inside the editor's own commit is unsafe: a message box, or a list rebuilt
// meanwhile, deletes the editor while the view is still closing it.
class InPlaceRename
{
public:
    using Handler = std::function<void(const QString& path, const QString& typed)>;

    // The entry whose name is being edited.
    void Begin(const QString& path) { m_path = path; }
    // From the view's commitData: `handler` hears the path and the typed text on the next
    // turn of the event loop, once per edit; `context` going away first drops the call.
    void Commit(QObject* context, QWidget* editor, Handler handler);

private:
    QString m_path;
};
