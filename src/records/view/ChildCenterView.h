#pragma once

#include "widgets/CenterView.h"

class EnrollmentForm;
class DailyRecordList;
class FormSplitter;

// The Child Center: the enrollment form above the shown child's daily records.
class ChildCenterView : public CenterView
{
    Q_OBJECT

public:
    explicit ChildCenterView(QWidget* parent = nullptr);

    void Attach(PageDocument& document, ActionRegistry& actions) override;
    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;
    // Leaving a child with unsaved typing for another child's folder asks first; when the
    // user stays, the tree is asked to select the folder shown before.
    void ShowFolder(const QString& folder) override;
    void ShowFolderOnArrival(const QString& folder) override;
    bool QueryLeave() override;

    EnrollmentForm* Form() const { return m_form; }
    DailyRecordList* DailyList() const { return m_dailyList; }
    FormSplitter* Splitter() const { return m_splitter; }

private:
    CommandTarget* OwnerOf(int id) const;
    // The send dialog for the shown child's parents with the selected day's note.
    void EmailParents();

    QString m_folder;   // the folder the center last took
    FormSplitter* m_splitter = nullptr;
    EnrollmentForm* m_form = nullptr;
    DailyRecordList* m_dailyList = nullptr;
};
