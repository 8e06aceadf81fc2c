#include "app/AboutDialog.h"

#include "widgets/Icons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Tendrel"));

    auto* icon = new QLabel;
    icon->setPixmap(TendrelIcon(QStringLiteral("tendrel")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* text = new QLabel(
        QStringLiteral("<b style='font-size:14pt'>Tendrel</b><br>Version %1<br><br>"
                       "Photos, newsletters, enrollment, tuition and staff records<br>"
                       "for a child care center.")
            .arg(QStringLiteral(TENDREL_VERSION)));
    text->setObjectName(QStringLiteral("aboutText"));
    text->setTextFormat(Qt::RichText);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
