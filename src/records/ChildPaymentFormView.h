#pragma once

#include "records/ChildRecordFormView.h"

// The Family Center's upper pane: the shown child's family details, read only, with the
// family photo.
class CChildPaymentFormView : public CChildRecordFormView
{
    Q_OBJECT

public:
    explicit CChildPaymentFormView(QWidget* parent = nullptr);

protected:
    void ShowValues(const CChildInfo& child) override;

private:
    void BuildLayout();

    QLineEdit* m_birthday = nullptr;
    QLineEdit* m_enrollDate = nullptr;
};
