#include "app/FamilyCenterView.h"

#include "widgets/ActionRegistry.h"
#include "records/view/FamilyDetailsForm.h"
#include "widgets/FormSplitter.h"
#include "tuition/view/WeeklyPaymentList.h"

FamilyCenterView::FamilyCenterView(QWidget* parent) : CenterView(parent)
{
    setObjectName(QStringLiteral("familyCenter"));
    m_form = new FamilyDetailsForm;
    m_paymentList = new WeeklyPaymentList;
    m_splitter = new FormSplitter(m_form, m_paymentList);
    m_splitter->FillCenter(*this);
    connect(m_paymentList, &WeeklyPaymentList::CommandStateChanged, this,
            &CenterView::CommandStateChanged);
}

void FamilyCenterView::Attach(PageDocument&, ActionRegistry& actions)
{
    m_paymentList->SetActionSource([&actions](int id) { return actions.Action(id); });
}

bool FamilyCenterView::OnCommand(int id)
{
    // The form only shows; every command of this center is the payment list's.
    return m_paymentList->OnCommand(id);
}

CommandState FamilyCenterView::UpdateCommand(int id) const
{
    return m_paymentList->UpdateCommand(id);
}

void FamilyCenterView::ShowFolder(const QString& folder)
{
    const QString name = m_form->ShowFolder(folder);
    if (!name.isEmpty())
        m_paymentList->ShowChild(name);
}

void FamilyCenterView::ShowFolderOnArrival(const QString& folder)
{
    ShowFolder(folder);
}
