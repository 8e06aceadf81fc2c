#include "records/view/FamilyDetailsForm.h"

#include "widgets/FormGrid.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// Zero-padded; a date that cannot be converted shows -1 in each part.
QString ShownDate(const DbDate& date)
{
    return date.IsValid() ? date.Date().toString(Qt::ISODate) : date.PlainText();
}

} // namespace

FamilyDetailsForm::FamilyDetailsForm(QWidget* parent)
    : ChildFormBase(QSize(240, 180), QStringLiteral("Family Photo"),
                           &ChildRecords::FamilyPhotoPath, parent)
{
    setObjectName(QStringLiteral("childPaymentForm"));
    m_birthday = AddValueEdit("birthday", "Birthday", QStringLiteral("The child's date of birth"));
    m_enrollDate = AddValueEdit("enrollDate", "EnrollDate",
                                QStringLiteral("The day the child started"));
    // Shown, not edited: the Child Center is where the details change. The fields look
    // it, on the form's own colour.
    QPalette shown = palette();
    shown.setColor(QPalette::Base, shown.color(QPalette::Window));
    for (QLineEdit* value : findChildren<QLineEdit*>()) {
        value->setReadOnly(true);
        value->setPalette(shown);
    }
    BuildLayout();
}

void FamilyDetailsForm::BuildLayout()
{
    auto* grid = new QGridLayout;
    FormGrid form(*grid);
    int row = LayOutSharedRows(form, m_birthday, m_enrollDate,
                               QStringLiteral("Child &Ref. No.:"));
    form.AddWide(row++, QStringLiteral("Ema&il:"), m_edits.email);
    form.AddWide(row++, QStringLiteral("Home &Address:"), m_edits.address);

    auto* notes = new QHBoxLayout;
    notes->setSpacing(24);
    for (const QString& text : {QStringLiteral("PBG: Paid By Government"),
                                QStringLiteral("PBP: Paid By Parent")}) {
        auto* note = new QLabel(text, this);
        note->setForegroundRole(QPalette::PlaceholderText);
        notes->addWidget(note);
    }
    notes->addStretch(1);
    auto* fields = new QVBoxLayout;
    fields->addLayout(grid);
    fields->addLayout(notes);
    fields->addStretch(1);
    SetFields(fields, {m_edits.email, m_edits.address});
}

void FamilyDetailsForm::ShowValues(const ChildInfo& child)
{
    ShowSharedValues(child);
    m_birthday->setText(ShownDate(child.birthday));
    m_enrollDate->setText(ShownDate(child.enrollDate));
}
