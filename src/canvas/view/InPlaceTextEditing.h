#pragma once

#include "canvas/editing/CanvasGeometry.h"
#include "canvas/view/InPlaceTextEditor.h"

#include <QObject>
#include <QPointer>

class CanvasModel;
class TextObject;

// Typing into a text object where it stands on the page. What was typed reaches the text,
// as one undo step, when the editor is left or when the page needs it first (a command,
// a scroll, another document).
class InPlaceTextEditing : public QObject
{
    Q_OBJECT

public:
    InPlaceTextEditing(CanvasModel& model, QWidget* viewport);

    // Opens the editor over the topmost text at `page`; false when there is none.
    bool OpenAt(const QPoint& page, const CanvasGeometry::ViewMapping& mapping);
    void Commit();
    // Drops what was typed.
    void Close();
    // Keeps the editor over its text when the page moves.
    void Follow(const CanvasGeometry::ViewMapping& mapping);
    InPlaceTextEditor* Editor() const { return m_editor; }

Q_SIGNALS:
    void TextChanged();
    void Closed();

private:
    // Found by identity: the current object may have changed meanwhile.
    TextObject* EditedText() const;
    void CommitText(const QString& text);

    CanvasModel& m_model;
    QWidget* m_viewport;
    QPointer<InPlaceTextEditor> m_editor;
    QString m_editedIdentity;
};
