#include "canvas/view/LinePickerPopup.h"

#include "canvas/editing/StyleCommands.h"
#include "canvas/view/StyleSamples.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* StyleName(int lineStyle)
{
    switch (lineStyle) {
    case 1: return "Dash";
    case 2: return "Dash dot";
    case 3: return "Dash dot dot";
    case 4: return "Dot";
    default: return "Solid";
    }
}

} // namespace

LinePickerPopup::LinePickerPopup(Kind kind, QWidget* parent)
    : QFrame(parent, Qt::Popup)
{
    setObjectName(kind == Kind::Width ? QStringLiteral("lineWidthPopup")
                                      : QStringLiteral("lineTypePopup"));
    setFrameShape(QFrame::StyledPanel);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    const QSize iconSize(90, 22);
    const auto add = [&](int value, const QIcon& icon, const QString& text) {
        auto* button = new QToolButton(this);
        button->setIcon(icon);
        button->setIconSize(iconSize);
        button->setText(text);
        button->setToolTip(text);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this, [this, value] {
            Q_EMIT Picked(value);
            close();
        });
        layout->addWidget(button);
    };
    if (kind == Kind::Width) {
        for (int width : StyleCommands::kLineWidths)
            add(width, StyleSamples::OfLine(width, 0, iconSize),
                QStringLiteral("%1 pt").arg(width));
    } else {
        for (int style : StyleCommands::kLineStyles)
            add(style, StyleSamples::OfLine(2, style, iconSize), QLatin1String(StyleName(style)));
    }
}

void LinePickerPopup::ShowAt(const QPoint& globalPoint)
{
    adjustSize();
    move(globalPoint);
    show();
}

QList<QAbstractButton*> LinePickerPopup::Buttons() const
{
    return findChildren<QAbstractButton*>();
}
