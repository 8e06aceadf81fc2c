#include "canvas/view/InPlaceTextEditing.h"

#include "canvas/editing/CanvasModel.h"
#include "canvas/objects/TextObject.h"

using namespace CanvasGeometry;

InPlaceTextEditing::InPlaceTextEditing(CanvasModel& model, QWidget* viewport)
    : QObject(viewport), m_model(model), m_viewport(viewport)
{
}

bool InPlaceTextEditing::OpenAt(const QPoint& page, const ViewMapping& mapping)
{
    TextObject* text = nullptr;
    for (auto it = m_model.Objects().rbegin(); it != m_model.Objects().rend() && !text; ++it)
        if ((*it)->m_nType == ObjectType::Text && Contains((*it)->m_rect, page))
            text = static_cast<TextObject*>(it->get());
    if (!text)
        return false;
    Commit();
    m_editedIdentity = text->m_strID;
    m_model.DeselectAll();
    m_model.Select(*text);
    QFont font(text->m_strFontName);
    font.setPixelSize(std::max(1, int(text->m_nFontSize * mapping.Scale())));
    m_editor = new InPlaceTextEditor(text->m_strText, font, mapping.ToWindow(text->m_rect),
                                     m_viewport);
    connect(m_editor, &InPlaceTextEditor::TextCommitted, this, &InPlaceTextEditing::CommitText);
    connect(m_editor, &InPlaceTextEditor::Discarded, this, &InPlaceTextEditing::Close);
    m_editor->show();
    m_editor->setFocus();
    return true;
}

void InPlaceTextEditing::Commit()
{
    if (m_editor)
        CommitText(m_editor->toPlainText());
}

void InPlaceTextEditing::Follow(const ViewMapping& mapping)
{
    if (const TextObject* edited = m_editor ? EditedText() : nullptr)
        m_editor->move(mapping.ToWindow(edited->m_rect).topLeft());
}

TextObject* InPlaceTextEditing::EditedText() const
{
    for (const auto& candidate : m_model.Objects())
        if (candidate->m_strID == m_editedIdentity)
            return dynamic_cast<TextObject*>(candidate.get());
    return nullptr;
}

void InPlaceTextEditing::CommitText(const QString& text)
{
    TextObject* object = EditedText();
    Close();
    if (!object || object->m_strText == text)
        return;
    m_model.Modify(*object, [&](PageObject&) {
        object->m_strText = text;
        return true;
    });
    Q_EMIT TextChanged();
}

void InPlaceTextEditing::Close()
{
    if (!m_editor)
        return;
    InPlaceTextEditor* editor = m_editor;
    m_editor = nullptr;
    editor->disconnect(this);
    editor->hide();
    editor->deleteLater();
    Q_EMIT Closed();
}
