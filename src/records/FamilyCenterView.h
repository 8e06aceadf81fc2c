#pragma once

#include "frame/CenterView.h"

class CChildPaymentFormView;
class CChildPaymentListView;
class CFormSplitter;

// The Family Center: the shown child's family details above the child's weekly
// payments.
class CFamilyCenterView : public CCenterView
{
    Q_OBJECT

public:
    explicit CFamilyCenterView(QWidget* parent = nullptr);

    void Attach(CSnapfoldDoc& document, CActionRegistry& actions) override;
    bool OnCommand(int id) override;
    CCommandState UpdateCommand(int id) const override;
    void ShowFolder(const QString& folder) override;
    void ShowFolderOnArrival(const QString& folder) override;

    CChildPaymentFormView* Form() const { return m_form; }
    CChildPaymentListView* PaymentList() const { return m_paymentList; }
    CFormSplitter* Splitter() const { return m_splitter; }

private:
    CFormSplitter* m_splitter = nullptr;
    CChildPaymentFormView* m_form = nullptr;
    CChildPaymentListView* m_paymentList = nullptr;
};
