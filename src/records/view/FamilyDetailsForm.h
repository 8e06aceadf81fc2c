#pragma once

#include "records/view/ChildFormBase.h"

// The Family Center's upper pane: the shown child's family details, read only, with the
// family photo.
class FamilyDetailsForm : public ChildFormBase
{
    Q_OBJECT

public:
    explicit FamilyDetailsForm(QWidget* parent = nullptr);

protected:
    void ShowValues(const ChildInfo& child) override;

private:
    void BuildLayout();

    QLineEdit* m_birthday = nullptr;
    QLineEdit* m_enrollDate = nullptr;
};
