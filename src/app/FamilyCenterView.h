#pragma once

#include "widgets/CenterView.h"

class FamilyDetailsForm;
class WeeklyPaymentList;
class FormSplitter;

// The Family Center: the shown child's family details above the child's weekly
// payments.
class FamilyCenterView : public CenterView
{
    Q_OBJECT

public:
    explicit FamilyCenterView(QWidget* parent = nullptr);

    void Attach(PageDocument& document, ActionRegistry& actions) override;
    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;
    void ShowFolder(const QString& folder) override;
    void ShowFolderOnArrival(const QString& folder) override;

    FamilyDetailsForm* Form() const { return m_form; }
    WeeklyPaymentList* PaymentList() const { return m_paymentList; }
    FormSplitter* Splitter() const { return m_splitter; }

private:
    FormSplitter* m_splitter = nullptr;
    FamilyDetailsForm* m_form = nullptr;
    WeeklyPaymentList* m_paymentList = nullptr;
};
