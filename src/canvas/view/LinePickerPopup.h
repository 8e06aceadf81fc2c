#pragma once

#include <QFrame>
#include <QList>

class QAbstractButton;

// The small pop-up under the line width or line type button: one button a choice,
// each showing the line it gives. It closes once a choice is made.
class LinePickerPopup : public QFrame
{
    Q_OBJECT

public:
    enum class Kind { Width, Style };

    LinePickerPopup(Kind kind, QWidget* parent = nullptr);

    // Shows the pop-up with its top-left corner at a global point.
    void ShowAt(const QPoint& globalPoint);
    QList<QAbstractButton*> Buttons() const;

Q_SIGNALS:
    // A width in page units, or a line style number.
    void Picked(int value);
};
