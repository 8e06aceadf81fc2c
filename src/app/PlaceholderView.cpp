#include "app/PlaceholderView.h"

#include "widgets/Icons.h"

#include <QLabel>
#include <QVBoxLayout>

PlaceholderView::PlaceholderView(const QString& centerName, const QString& iconName,
                                   QWidget* parent)
    : CenterView(parent), m_centerName(centerName)
{
    setObjectName(QStringLiteral("placeholder"));
    setAutoFillBackground(true);
    QPalette page = palette();
    page.setColor(QPalette::Window, QColor(250, 250, 248));
    setPalette(page);

    auto* icon = new QLabel(this);
    icon->setPixmap(TendrelIcon(iconName).pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);

    auto* title = new QLabel(centerName, this);
    title->setObjectName(QStringLiteral("centerName"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: #5b6570;"));

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(icon);
    layout->addWidget(title);
    layout->addStretch(3);
}
