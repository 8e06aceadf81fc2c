#include "records/ChildCenterView.h"

#include "app/CommandIds.h"
#include "frame/ActionRegistry.h"
#include "records/ChildInfoFormView.h"
#include "records/ChildrenInfoView.h"
#include "records/FormSplitter.h"

#include <QAction>


CChildCenterView::CChildCenterView(QWidget* parent) : CCenterView(parent)
{
    setObjectName(QStringLiteral("childCenter"));
    m_form = new CChildInfoFormView;
    m_dailyList = new CChildrenInfoView;
    m_splitter = new CFormSplitter(m_form, m_dailyList);
    m_splitter->FillCenter(*this);

    connect(m_form, &CChildInfoFormView::commandStateChanged, this,
            &CCenterView::commandStateChanged);
    connect(m_dailyList, &CChildrenInfoView::commandStateChanged, this,
            &CCenterView::commandStateChanged);
    connect(m_form, &CChildInfoFormView::libraryFolderAdded, this,
            &CCenterView::libraryFolderAdded);
    connect(m_form, &CChildInfoFormView::newChildStarted, m_dailyList, &CChildrenInfoView::Clear);
}

void CChildCenterView::Attach(CSnapfoldDoc&, CActionRegistry& actions)
{
    const CommandMenu::CActionSource source = [&actions](int id) { return actions.Action(id); };
    m_form->SetActionSource(source);
    m_dailyList->SetActionSource(source);

    // Once the window's Save carries Ctrl+S it brings the key here as its command; a
    // second claim on the key would leave both without it.
    QAction* save = actions.Action(Cmd::FileSave);
    const auto shareKey = [this, save] {
        m_form->KeepSaveKey(!save->shortcuts().contains(CChildInfoFormView::SaveKey()));
    };
    connect(save, &QAction::changed, this, shareKey);
    shareKey();
}

CCommandTarget* CChildCenterView::OwnerOf(int id) const
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

bool CChildCenterView::OnCommand(int id)
{
    // E-mail to the parents is not offered yet: taken and ignored.
    if (id == Cmd::ChildEmail)
        return true;
    CCommandTarget* owner = OwnerOf(id);
    return owner && owner->OnCommand(id);
}

CCommandState CChildCenterView::UpdateCommand(int id) const
{
    if (id == Cmd::ChildEmail)
        return CCommandState::Enabled(false);
    const CCommandTarget* owner = OwnerOf(id);
    return owner ? owner->UpdateCommand(id) : CCommandState{};
}

void CChildCenterView::ShowFolder(const QString& selected)
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
            emit folderSelectionRequested(m_folder);
            return;
        }
        // The new child's folder took the selection; the folder chosen gets it back.
        emit folderSelectionRequested(folder);
    }
    m_folder = folder;
    const QString name = m_form->ShowFolder(folder);
    if (!name.isEmpty())
        m_dailyList->ShowChild(name);
}

void CChildCenterView::ShowFolderOnArrival(const QString& folder)
{
    ShowFolder(folder);
}

bool CChildCenterView::QueryLeave()
{
    return m_form->QueryLeave();
}
