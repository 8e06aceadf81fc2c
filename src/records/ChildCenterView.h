#pragma once

#include "frame/CenterView.h"

class CChildInfoFormView;
class CChildrenInfoView;
class CFormSplitter;

// The Child Center: the enrollment form above the shown child's daily records.
class CChildCenterView : public CCenterView
{
    Q_OBJECT

public:
    explicit CChildCenterView(QWidget* parent = nullptr);

    void Attach(CSnapfoldDoc& document, CActionRegistry& actions) override;
    bool OnCommand(int id) override;
    CCommandState UpdateCommand(int id) const override;
    // Leaving a child with unsaved typing for another child's folder asks first; when the
    // user stays, the tree is asked to select the folder shown before.
    void ShowFolder(const QString& folder) override;
    void ShowFolderOnArrival(const QString& folder) override;
    bool QueryLeave() override;

    CChildInfoFormView* Form() const { return m_form; }
    CChildrenInfoView* DailyList() const { return m_dailyList; }
    CFormSplitter* Splitter() const { return m_splitter; }

private:
    CCommandTarget* OwnerOf(int id) const;

    QString m_folder;   // the folder the center last took
    CFormSplitter* m_splitter = nullptr;
    CChildInfoFormView* m_form = nullptr;
    CChildrenInfoView* m_dailyList = nullptr;
};
