#pragma once

#include <QTextEdit>

// Edits a text object's words where they stand on the page. It grows downwards with its
// lines. Leaving it keeps the text; Escape drops the edit.
class InPlaceTextEditor : public QTextEdit
{
    Q_OBJECT

public:
    InPlaceTextEditor(const QString& text, const QFont& font, const QRect& rect, QWidget* parent);

Q_SIGNALS:
    // Each is sent once, when the editor is done.
    void TextCommitted(const QString& text);
    void Discarded();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void GrowWithLines();

    bool m_finished = false;
};
