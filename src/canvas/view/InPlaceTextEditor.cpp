#include "canvas/view/InPlaceTextEditor.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>

InPlaceTextEditor::InPlaceTextEditor(const QString& text, const QFont& font, const QRect& rect,
                               QWidget* parent)
    : QTextEdit(parent)
{
    setObjectName(QStringLiteral("inplaceEditor"));
    setAcceptRichText(false);
    setFont(font);
    setPlainText(text);
    setGeometry(rect);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setToolTip(QStringLiteral("Type the text; click elsewhere on the page to finish"));
    connect(this, &QTextEdit::textChanged, this, &InPlaceTextEditor::GrowWithLines);
    GrowWithLines();
}

void InPlaceTextEditor::GrowWithLines()
{
    const int needed = int(document()->size().height()) + 2 * frameWidth() + 4;
    if (needed > height())
        resize(width(), needed);
}

void InPlaceTextEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!m_finished) {
            m_finished = true;
            Q_EMIT Discarded();
        }
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void InPlaceTextEditor::focusOutEvent(QFocusEvent* event)
{
    QTextEdit::focusOutEvent(event);
    // A menu or tooltip taking the focus for a moment does not end the edit.
    if (event->reason() == Qt::PopupFocusReason || m_finished)
        return;
    m_finished = true;
    Q_EMIT TextCommitted(toPlainText());
}
