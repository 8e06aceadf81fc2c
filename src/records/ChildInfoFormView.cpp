#include "records/ChildInfoFormView.h"

#include "app/CommandIds.h"
#include "app/ProgramState.h"
#include "controls/DatePicker.h"
#include "controls/FormGrid.h"
#include "photos/LibraryFiles.h"
#include "platform/Clock.h"
#include "platform/Prompt.h"
#include "records/DBVChildInfoSet.h"
#include "records/RecordsDatabase.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QGridLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kDefaultEnrollType = 5;

} // namespace

CChildInfoFormView::CChildInfoFormView(QWidget* parent)
    : CChildRecordFormView(QSize(240, 200), QStringLiteral("Child Photo"),
                           &ChildRecords::ChildPhotoPath, parent)
{
    setObjectName(QStringLiteral("childInfoForm"));
    m_birthday = AddDatePicker("birthday", QStringLiteral("The child's date of birth"));
    m_enrollDate = AddDatePicker("enrollDate", QStringLiteral("The day the child started"));
    m_immunisation = AddValueEdit("immunisation", "Immunisation",
                                 QStringLiteral("The child's immunisations"));
    m_note = AddValueEdit("note", "Note", QStringLiteral("Anything else staff should know"));
    m_edits.enrollType->setValidator(new QIntValidator(0, 7, m_edits.enrollType));
    m_edits.enrollType->setMaxLength(1);
    m_edits.enrollType->setText(QString::number(kDefaultEnrollType));
    m_edits.dailyPbg->setText(ChildRecords::PbgText(0));

    // Alt+S opens the Settings menu, so Save has a key of its own.
    m_save = new QPushButton(QStringLiteral("Save"), this);
    m_save->setObjectName(QStringLiteral("save"));
    m_save->setShortcut(SaveKey());
    m_save->setToolTip(QStringLiteral("Save the new child or the changes (Ctrl+S)"));
    m_save->setEnabled(false);
    connect(m_save, &QPushButton::clicked, this, &CChildInfoFormView::Save);
    connect(this, &CChildRecordFormView::childShownChanged, this,
            &CChildInfoFormView::commandStateChanged);
    BuildLayout();

    // The value edits are the form's own children; the date pickers' edits are theirs.
    for (QLineEdit* edit : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        connect(edit, &QLineEdit::textEdited, this, &CChildInfoFormView::StartEditingOnTyping);
    for (CDatePicker* picker : {m_birthday, m_enrollDate}) {
        connect(picker, &CDatePicker::typingStarted, this,
                &CChildInfoFormView::StartEditingOnTyping);
        connect(picker, &QDateEdit::dateChanged, this, &CChildInfoFormView::StartEditingOnTyping);
    }
    m_saved = Values();
}

QKeySequence CChildInfoFormView::SaveKey()
{
    return QKeySequence(Qt::CTRL | Qt::Key_S);
}

void CChildInfoFormView::KeepSaveKey(bool keep)
{
    m_save->setShortcut(keep ? SaveKey() : QKeySequence());
}

CDatePicker* CChildInfoFormView::AddDatePicker(const char* objectName, const QString& toolTip)
{
    auto* picker = new CDatePicker(CClock::TodayLocal(), this);
    picker->setObjectName(QString::fromLatin1(objectName));
    picker->setToolTip(toolTip);
    return picker;
}

void CChildInfoFormView::BuildLayout()
{
    auto* grid = new QGridLayout;
    CFormGrid form(*grid);
    int row = LayOutSharedRows(form, m_birthday, m_enrollDate,
                               QStringLiteral("&Reference No.:"));
    form.AddWide(row++, QStringLiteral("&Parent's Email:"), m_edits.email,
                 QStringLiteral("(Use \";\" as delimiter)"));
    form.AddWide(row++, QStringLiteral("Home &Address:"), m_edits.address);
    form.AddWide(row++, QStringLiteral("&Immunisation:"), m_immunisation);
    form.AddWide(row++, QStringLiteral("&Note:"), m_note);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    auto* fields = new QVBoxLayout;
    fields->addLayout(grid);
    fields->addLayout(buttons);
    fields->addStretch(1);
    SetFields(fields, {m_edits.email, m_edits.address, m_immunisation, m_note, m_save});
}

void CChildInfoFormView::ShowValues(const CChildInfo& child)
{
    FillForm(child);
    // A child's row shown ends adding and editing.
    if (m_mode == Mode::Adding || m_mode == Mode::Editing)
        SetMode(Mode::None);
}

void CChildInfoFormView::FillForm(const CChildInfo& child)
{
    m_filling = true;
    ShowSharedValues(child);
    if (child.birthday.IsValid())
        m_birthday->setDate(child.birthday.Date());
    if (child.enrollDate.IsValid())
        m_enrollDate->setDate(child.enrollDate.Date());
    m_immunisation->setText(child.immunisation);
    m_note->setText(child.note);
    m_filling = false;
    m_saved = Values();
}

CChildInfo CChildInfoFormView::Values() const
{
    CChildInfo child;
    child.childName = m_edits.name->text();
    child.referenceNo = m_edits.referenceNo->text();
    child.birthday = CDbDate::FromDate(m_birthday->date());
    child.enrollDate = CDbDate::FromDate(m_enrollDate->date());
    child.enrollType = m_edits.enrollType->text().toInt();
    child.classroom = m_edits.classroom->text();
    child.mother = m_edits.mother->text();
    child.father = m_edits.father->text();
    child.grandParents = m_edits.grandParents->text();
    child.contactNumbers = m_edits.contactNumbers->text();
    child.email = m_edits.email->text();
    child.address = m_edits.address->text();
    child.immunisation = m_immunisation->text();
    child.note = m_note->text();
    child.dailyPbg = ChildRecords::ParseAmount(m_edits.dailyPbg->text());
    return child;
}

bool CChildInfoFormView::OnCommand(int id)
{
    const CCommandState state = UpdateCommand(id);
    if (!state.handled)
        return false;
    if (!state.enabled)
        return true;
    switch (id) {
    case Cmd::ChildAdd: Add(); break;
    case Cmd::ChildEdit: Edit(); break;
    case Cmd::ChildDelete: Delete(); break;
    case Cmd::FileSave: Save(); break;
    }
    return true;
}

CCommandState CChildInfoFormView::UpdateCommand(int id) const
{
    switch (id) {
    case Cmd::ChildAdd: return CCommandState::Enabled();
    case Cmd::ChildEdit:
    case Cmd::ChildDelete: return CCommandState::Enabled(!ChildShown().isEmpty());
    case Cmd::FileSave: return CCommandState::Enabled(m_save->isEnabled());
    default: return {};
    }
}

void CChildInfoFormView::SetMode(Mode mode)
{
    m_mode = mode;
    m_save->setEnabled(mode == Mode::Adding || mode == Mode::Editing);
    emit commandStateChanged();
}

void CChildInfoFormView::Add()
{
    if (!QueryLeave())
        return;
    CChildInfo blank;
    blank.enrollType = kDefaultEnrollType;
    blank.birthday = CDbDate::Invalid();   // the date pickers keep their dates
    blank.enrollDate = CDbDate::Invalid();
    FillForm(blank);
    m_edits.dailyPbg->setText(QStringLiteral("0.00"));
    // The form stands for no row now: Edit and Delete wait for a saved or selected child.
    ForgetChild(false);
    SetMode(Mode::Adding);
    emit newChildStarted();
    m_edits.name->setFocus();
}

void CChildInfoFormView::Edit()
{
    SetMode(Mode::Editing);
    m_edits.name->setFocus();
}

void CChildInfoFormView::Delete()
{
    if (!Prompt().AskYesNo(QStringLiteral("Do you really want to delete this child information?")))
        return;
    SetMode(Mode::Deleted);
    // Only the enrollment row goes: payments, daily records, folder and photos stay.
    const QString name = ChildShown();
    ReportDatabaseErrors([&] {
        CDBVChildInfoSet& set = RecordSet();
        if (ChildRecords::FindChild(set, name)) {
            set.Delete();
            set.Close();
        }
    });
    ForgetChild(true);
}

void CChildInfoFormView::StartEditingOnTyping()
{
    if (m_filling || m_mode == Mode::Adding || m_mode == Mode::Editing)
        return;
    if (!ChildShown().isEmpty()) {
        SetMode(Mode::Editing);
        return;
    }
    // A form that stands for no row begins a new child with what it shows.
    SetMode(Mode::Adding);
    emit newChildStarted();
}

bool CChildInfoFormView::HasUnsavedChanges() const
{
    if (m_birthday->IsTyping() || m_enrollDate->IsTyping())
        return true;
    return (m_mode == Mode::Adding || m_mode == Mode::Editing) && Values() != m_saved;
}

QString CChildInfoFormView::UnsavedChildName() const
{
    if (m_mode == Mode::Editing)
        return ChildShown();
    const QString typed = m_edits.name->text().trimmed();
    return typed.isEmpty() ? QStringLiteral("the new child") : typed;
}

bool CChildInfoFormView::QueryLeave()
{
    if (const QString why = TakeTypedDates(); !why.isEmpty()) {
        Prompt().Warn(why);
        return false;
    }
    if (!HasUnsavedChanges())
        return true;
    switch (Prompt().AskYesNoCancel(QStringLiteral("Save changes to %1?").arg(UnsavedChildName()))) {
    case CPrompt::Answer::Yes:
        Save();
        return !HasUnsavedChanges();
    case CPrompt::Answer::No:
        DropChanges();
        return true;
    default:
        return false;
    }
}

void CChildInfoFormView::DropChanges()
{
    FillForm(m_saved);
    SetMode(Mode::None);
}

bool CChildInfoFormView::ShowsAnotherChild(const QString& folderPath) const
{
    const QString child = ChildOfFolder(folderPath);
    return !child.isEmpty() && !(m_mode == Mode::Editing && child == ChildShown());
}

QString CChildInfoFormView::TakeTypedDates()
{
    for (CDatePicker* picker : {m_birthday, m_enrollDate}) {
        if (const QString why = picker->TakeTyped(); !why.isEmpty()) {
            picker->setFocus();
            return why;
        }
    }
    return {};
}

void CChildInfoFormView::Save()
{
    // A date still being typed is part of what is saved.
    if (const QString why = TakeTypedDates(); !why.isEmpty()) {
        Prompt().Warn(why);
        return;
    }
    if (m_mode != Mode::Adding && m_mode != Mode::Editing)
        return;
    CChildInfo child = Values();
    // Spaces around a name would give the same child a second folder.
    child.childName = child.childName.trimmed();
    // The name is also the child's folder and photo names.
    if (const QString problem = LibraryFiles::NameProblem(child.childName); !problem.isEmpty()) {
        Prompt().Warn(problem);
        return;
    }
    if (RefuseSecondChild(child.childName))
        return;
    const bool adding = m_mode == Mode::Adding;
    if (!(adding ? SaveNewChild(child) : SaveShownChild(child)))
        return;
    // The form now stands for the name's row as the database has it.
    ShowChild(child.childName);
    SetMode(Mode::None);
    // Only now, with nothing left unsaved, may the tree move to the new folder.
    if (adding && !Program().picturesRoot.isEmpty())
        emit libraryFolderAdded(child.childName);
}

bool CChildInfoFormView::RefuseSecondChild(const QString& name)
{
    // The shown child keeps its own name, in whatever letters.
    if (m_mode == Mode::Editing && ChildRecords::SameChildName(name, ChildShown()))
        return false;
    if (!RecordsDatabaseExists())
        return false;
    std::optional<QString> enrolled;
    if (!ReportDatabaseErrors(
            [&] { enrolled = ChildRecords::EnrolledNameLike(RecordSet(), name); }))
        return true;
    // Children are told apart by name alone: their folders, payments and statements.
    if (enrolled)
        Prompt().Warn(QStringLiteral("A child named %1 is already enrolled.").arg(*enrolled));
    return enrolled.has_value();
}

bool CChildInfoFormView::SaveNewChild(const CChildInfo& child)
{
    if (!ReportDatabaseErrors([&] {
            EnsureRecordsDatabase();
            ChildRecords::AddChild(RecordSet(), child);
        }))
        return false;
    // A folder of that name already there keeps what is in it.
    if (const QString root = Program().picturesRoot; !root.isEmpty())
        QDir().mkpath(ChildRecords::ChildFolder(root, child.childName));
    return true;
}

bool CChildInfoFormView::SaveShownChild(const CChildInfo& child)
{
    const QString shown = ChildShown();
    return ReportDatabaseErrors([&] {
        CDBVChildInfoSet& set = RecordSet();
        if (!ChildRecords::FindChild(set, shown))
            throw CDatabaseError(QStringLiteral("%1 is no longer in the records; the "
                                                "changes were not saved.").arg(shown));
        ChildRecords::UpdateChild(set, child);
    });
}

QMenu* CChildInfoFormView::BuildContextMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("ChildInfo"));
    for (const int id : {Cmd::ChildAdd, Cmd::ChildEdit, Cmd::ChildDelete})
        menu->addAction(CommandMenu::ActionFor(id, *menu, m_actionSource, *this));
    return menu;
}

void CChildInfoFormView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = BuildContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
