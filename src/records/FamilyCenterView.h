#pragma once

#include "frame/CenterView.h"

class CChildPaymentFormView;
class CFormSplitter;

// The Family Center: the shown child's family details above the child's weekly
// payments.
class CFamilyCenterView : public CCenterView
{
    Q_OBJECT

public:
    explicit CFamilyCenterView(QWidget* parent = nullptr);

    void ShowFolder(const QString& folder) override;
    void ShowFolderOnArrival(const QString& folder) override;

    // The weekly payment list goes below the form; until it is set the pane is empty.
    void SetPaymentPane(QWidget* pane);

    CChildPaymentFormView* Form() const { return m_form; }
    CFormSplitter* Splitter() const { return m_splitter; }

private:
    CFormSplitter* m_splitter = nullptr;
    CChildPaymentFormView* m_form = nullptr;
};
