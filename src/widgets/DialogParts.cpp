#include "widgets/DialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

QLineEdit* AddLineEdit(QFormLayout& form, const QString& label, const QString& objectName,
                       const QString& text)
{
    auto* edit = new QLineEdit(text);
    edit->setObjectName(objectName);
    form.addRow(label, edit);
    return edit;
}

QDialogButtonBox* FinishDialog(QDialog& dialog, QLayout* content)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttons"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(content);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return buttons;
}
