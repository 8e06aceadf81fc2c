#pragma once

#include <QPushButton>

// A button that names a font in that font and lets the user choose another through
// the program's font prompt. Sizes are page units, shown as the prompt's points.
class FontChoiceButton : public QPushButton
{
    Q_OBJECT

public:
    FontChoiceButton(const QString& face, int size, bool bold, bool italic, const QString& what,
                      QWidget* parent = nullptr);

    QString Face() const { return m_face; }
    int Size() const { return m_size; }
    bool Bold() const { return m_bold; }
    bool Italic() const { return m_italic; }
    void SetFont(const QString& face, int size, bool bold, bool italic);

private:
    void Choose();
    QFont Described() const;

    QString m_face;
    int m_size = 10;
    bool m_bold = false;
    bool m_italic = false;
    QString m_what;
};
