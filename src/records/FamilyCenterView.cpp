#include "records/FamilyCenterView.h"

#include "records/ChildPaymentFormView.h"
#include "records/FormSplitter.h"

CFamilyCenterView::CFamilyCenterView(QWidget* parent) : CCenterView(parent)
{
    setObjectName(QStringLiteral("familyCenter"));
    m_form = new CChildPaymentFormView;
    auto* paymentPane = new QWidget;
    paymentPane->setObjectName(QStringLiteral("paymentPane"));
    m_splitter = new CFormSplitter(m_form, paymentPane);
    m_splitter->FillCenter(*this);
}

void CFamilyCenterView::SetPaymentPane(QWidget* pane)
{
    m_splitter->SetLowerPane(pane);
}

void CFamilyCenterView::ShowFolder(const QString& folder)
{
    m_form->ShowFolder(folder);
}
