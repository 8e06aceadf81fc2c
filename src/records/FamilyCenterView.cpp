#include "records/FamilyCenterView.h"

#include "frame/ActionRegistry.h"
#include "records/ChildPaymentFormView.h"
#include "records/FormSplitter.h"
#include "tuition/ChildPaymentListView.h"

CFamilyCenterView::CFamilyCenterView(QWidget* parent) : CCenterView(parent)
{
    setObjectName(QStringLiteral("familyCenter"));
    m_form = new CChildPaymentFormView;
    m_paymentList = new CChildPaymentListView;
    m_splitter = new CFormSplitter(m_form, m_paymentList);
    m_splitter->FillCenter(*this);
    connect(m_paymentList, &CChildPaymentListView::commandStateChanged, this,
            &CCenterView::commandStateChanged);
}

void CFamilyCenterView::Attach(CSnapfoldDoc&, CActionRegistry& actions)
{
    m_paymentList->SetActionSource([&actions](int id) { return actions.Action(id); });
}

bool CFamilyCenterView::OnCommand(int id)
{
    // The form only shows; every command of this center is the payment list's.
    return m_paymentList->OnCommand(id);
}

CCommandState CFamilyCenterView::UpdateCommand(int id) const
{
    return m_paymentList->UpdateCommand(id);
}

void CFamilyCenterView::ShowFolder(const QString& folder)
{
    const QString name = m_form->ShowFolder(folder);
    if (!name.isEmpty())
        m_paymentList->ShowChild(name);
}

void CFamilyCenterView::ShowFolderOnArrival(const QString& folder)
{
    ShowFolder(folder);
}
