#pragma once

#include <QColor>
#include <QPushButton>

// A borderless text button drawn like a link: one colour at rest, another under
// the mouse or with the keyboard focus.
class FlatButton : public QPushButton
{
    Q_OBJECT

public:
    explicit FlatButton(const QString& text, QWidget* parent = nullptr);

    // Colour slot 0 is the text at rest, slot 1 the text when hot.
    void SetColors(const QColor& normal, const QColor& hot);
    QColor NormalColor() const { return m_normal; }
    QColor HotColor() const { return m_hot; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool IsHot() const;

    QColor m_normal = Qt::black;
    QColor m_hot = QColor(74, 74, 145);
    bool m_mouseOver = false;
};
