#include "records/FamilyCenterView.h"

#include "records/ChildPaymentFormView.h"
#include "records/FormSplitter.h"

#include <QFrame>

CFamilyCenterView::CFamilyCenterView(QWidget* parent) : CCenterView(parent)
{
    setObjectName(QStringLiteral("familyCenter"));
    m_form = new CChildPaymentFormView;
    // Stands where the weekly payments will be listed.
    auto* paymentPane = new QFrame;
    paymentPane->setObjectName(QStringLiteral("paymentPane"));
    paymentPane->setFrameShape(QFrame::StyledPanel);
    paymentPane->setBackgroundRole(QPalette::Base);
    paymentPane->setAutoFillBackground(true);
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

void CFamilyCenterView::ShowFolderOnArrival(const QString& folder)
{
    ShowFolder(folder);
}
