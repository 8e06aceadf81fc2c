#pragma once

#include <QColor>
#include <QPushButton>

// A button that shows a colour and lets the user choose another through the
// program's colour prompt.
class ColorChoiceButton : public QPushButton
{
    Q_OBJECT

public:
    // `what` names the colour in the tooltip and the prompt's title ("Title colour").
    ColorChoiceButton(const QColor& color, const QString& what, QWidget* parent = nullptr);

    QColor Color() const { return m_color; }
    void SetColor(const QColor& color);

Q_SIGNALS:
    void ColorChanged(const QColor& color);

private:
    void Choose();

    QColor m_color;
    QString m_what;
};
