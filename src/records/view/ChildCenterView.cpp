#include "records/view/ChildCenterView.h"

#include "commands/CommandIds.h"
#include "widgets/ActionRegistry.h"
#include "records/view/EnrollmentForm.h"
#include "records/view/DailyRecordList.h"
#include "widgets/FormSplitter.h"
#include "widgets/SendEmailDialog.h"
#include "parentmail/ParentAddresses.h"
#include "settings/ProgramState.h"

#include <QAction>


ChildCenterView::ChildCenterView(QWidget* parent) : CenterView(parent)
{
    setObjectName(QStringLiteral("childCenter"));
    m_form = new EnrollmentForm;
    m_dailyList = new DailyRecordList;
    m_splitter = new FormSplitter(m_form, m_dailyList);
    m_splitter->FillCenter(*this);

    connect(m_form, &EnrollmentForm::CommandStateChanged, this,
            &CenterView::CommandStateChanged);
    connect(m_dailyList, &DailyRecordList::CommandStateChanged, this,
            &CenterView::CommandStateChanged);
    connect(m_form, &EnrollmentForm::LibraryFolderAdded, this,
            &CenterView::LibraryFolderAdded);
    connect(m_form, &EnrollmentForm::NewChildStarted, m_dailyList, &DailyRecordList::Clear);
}

void ChildCenterView::Attach(PageDocument&, ActionRegistry& actions)
{
    const CommandMenu::ActionSource source = [&actions](int id) { return actions.Action(id); };
    m_form->SetActionSource(source);
    m_dailyList->SetActionSource(source);

    // Once the window's Save carries Ctrl+S it brings the key here as its command; a
    // second claim on the key would leave both without it.
    QAction* save = actions.Action(Cmd::FileSave);
    const auto shareKey = [this, save] {
        m_form->KeepSaveKey(!save->shortcuts().contains(EnrollmentForm::SaveKey()));
    };
    connect(save, &QAction::changed, this, shareKey);
    shareKey();
}

CommandTarget* ChildCenterView::OwnerOf(int id) const
{
    using namespace Cmd;
    switch (id) {
    case ChildAdd:
    case ChildEdit:
    case ChildDelete:
    case FileSave: return m_form;
    case DailyAdd:
    case DailyEdit:
    case DailyDelete: return m_dailyList;
    default: return nullptr;
    }
}

bool ChildCenterView::OnCommand(int id)
{
    if (id == Cmd::ChildEmail) {
        EmailParents();
        return true;
    }
    CommandTarget* owner = OwnerOf(id);
    return owner && owner->OnCommand(id);
}

CommandState ChildCenterView::UpdateCommand(int id) const
{
    if (id == Cmd::ChildEmail)
        return CommandState::Enabled(true);
    const CommandTarget* owner = OwnerOf(id);
    return owner ? owner->UpdateCommand(id) : CommandState{};
}

void ChildCenterView::EmailParents()
{
    MailMessage message;
    message.to = m_form->ParentEmail();
    message.subject = Program().email.subject;
    message.text = m_dailyList->SelectedTeacherNote();
    SendEmailDialog::Run(ParentMail::AccountOf(Program().email), message, this);
}

void ChildCenterView::ShowFolder(const QString& selected)
{
    // A copy: the tree's own text changes when a new child saved on the way takes the
    // selection.
    const QString folder = selected;
    if (m_form->HasUnsavedChanges()) {
        // The class folder, a subfolder, or the child's own folder leave the typing be.
        if (folder == m_folder || !m_form->ShowsAnotherChild(folder)) {
            m_folder = folder;
            return;
        }
        if (!m_form->QueryLeave()) {
            Q_EMIT FolderSelectionRequested(m_folder);
            return;
        }
        // The new child's folder took the selection; the folder chosen gets it back.
        Q_EMIT FolderSelectionRequested(folder);
    }
    m_folder = folder;
    const QString name = m_form->ShowFolder(folder);
    if (!name.isEmpty())
        m_dailyList->ShowChild(name);
}

void ChildCenterView::ShowFolderOnArrival(const QString& folder)
{
    ShowFolder(folder);
}

bool ChildCenterView::QueryLeave()
{
    return m_form->QueryLeave();
}
