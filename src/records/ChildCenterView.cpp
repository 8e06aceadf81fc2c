#include "records/ChildCenterView.h"

#include "app/CommandIds.h"
#include "frame/ActionRegistry.h"
#include "records/ChildInfoFormView.h"
#include "records/ChildrenInfoView.h"
#include "records/FormSplitter.h"


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

void CChildCenterView::ShowFolder(const QString& folder)
{
    const QString name = m_form->ShowFolder(folder);
    if (!name.isEmpty())
        m_dailyList->ShowChild(name);
}

void CChildCenterView::ShowFolderOnArrival(const QString& folder)
{
    // A child being typed in or edited is not swept away by a look at another center.
    const auto mode = m_form->EditMode();
    if (mode != CChildInfoFormView::Mode::Adding && mode != CChildInfoFormView::Mode::Editing)
        ShowFolder(folder);
}
