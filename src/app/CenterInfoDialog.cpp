#include "app/CenterInfoDialog.h"

#include "widgets/DialogParts.h"

#include <QFormLayout>
#include <QLineEdit>

CenterInfoDialog::CenterInfoDialog(const CenterInfo& info, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Child Care Center Information"));
    auto* form = new QFormLayout;
    m_name = AddLineEdit(*form, QStringLiteral("Center &Name:"), QStringLiteral("centerName"),
                         info.name);
    m_phone = AddLineEdit(*form, QStringLiteral("&Contact Number:"),
                          QStringLiteral("centerPhone"), info.phone);
    m_address = AddLineEdit(*form, QStringLiteral("&Address:"), QStringLiteral("centerAddress"),
                            info.address);
    m_manager = AddLineEdit(*form, QStringLiteral("&Manager:"), QStringLiteral("centerManager"),
                            info.manager);
    m_website = AddLineEdit(*form, QStringLiteral("&Website:"), QStringLiteral("centerWebsite"),
                            info.website);
    m_name->setMinimumWidth(320);
    FinishDialog(*this, form);
}

CenterInfo CenterInfoDialog::Info() const
{
    return {m_name->text(), m_phone->text(), m_address->text(), m_manager->text(),
            m_website->text()};
}
