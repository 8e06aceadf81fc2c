#include "records/view/EnrollmentForm.h"

#include "commands/CommandIds.h"
#include "settings/ProgramState.h"
#include "widgets/DatePicker.h"
#include "widgets/FormGrid.h"
#include "platform/Clock.h"
#include "platform/UserPrompt.h"
#include "records/EnrollmentTable.h"
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

EnrollmentForm::EnrollmentForm(QWidget* parent)
    : ChildFormBase(QSize(240, 200), QStringLiteral("Child Photo"),
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
    connect(m_save, &QPushButton::clicked, this, &EnrollmentForm::Save);
    connect(this, &ChildFormBase::ChildShownChanged, this,
            &EnrollmentForm::CommandStateChanged);
    BuildLayout();

    // The value edits are the form's own children; the date pickers' edits are theirs.
    for (QLineEdit* edit : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        connect(edit, &QLineEdit::textEdited, this, &EnrollmentForm::StartEditingOnTyping);
    for (DatePicker* picker : {m_birthday, m_enrollDate}) {
        connect(picker, &DatePicker::TypingStarted, this,
                &EnrollmentForm::StartEditingOnTyping);
        connect(picker, &QDateEdit::dateChanged, this, &EnrollmentForm::StartEditingOnTyping);
    }
    m_saved = Values();
}

QKeySequence EnrollmentForm::SaveKey()
{
    return QKeySequence(Qt::CTRL | Qt::Key_S);
}

void EnrollmentForm::KeepSaveKey(bool keep)
{
    m_save->setShortcut(keep ? SaveKey() : QKeySequence());
}

DatePicker* EnrollmentForm::AddDatePicker(const char* objectName, const QString& toolTip)
{
    auto* picker = new DatePicker(Clock::TodayLocal(), this);
    picker->setObjectName(QString::fromLatin1(objectName));
    picker->setToolTip(toolTip);
    return picker;
}

void EnrollmentForm::BuildLayout()
{
    auto* grid = new QGridLayout;
    FormGrid form(*grid);
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

void EnrollmentForm::ShowValues(const ChildInfo& child)
{
    m_read = child;
    FillForm(child);
    // A child's row shown ends adding and editing.
    if (m_mode == Mode::Adding || m_mode == Mode::Editing)
        SetMode(Mode::None);
}

void EnrollmentForm::FillForm(const ChildInfo& child)
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

ChildInfo EnrollmentForm::Values() const
{
    ChildInfo child;
    child.childName = m_edits.name->text();
    child.referenceNo = m_edits.referenceNo->text();
    child.birthday = DbDate::FromDate(m_birthday->date());
    child.enrollDate = DbDate::FromDate(m_enrollDate->date());
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

bool EnrollmentForm::OnCommand(int id)
{
    const CommandState state = UpdateCommand(id);
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

CommandState EnrollmentForm::UpdateCommand(int id) const
{
    switch (id) {
    case Cmd::ChildAdd: return CommandState::Enabled();
    case Cmd::ChildEdit:
    case Cmd::ChildDelete: return CommandState::Enabled(!ChildShown().isEmpty());
    case Cmd::FileSave: return CommandState::Enabled(m_save->isEnabled());
    default: return {};
    }
}

void EnrollmentForm::SetMode(Mode mode)
{
    m_mode = mode;
    m_save->setEnabled(mode == Mode::Adding || mode == Mode::Editing);
    Q_EMIT CommandStateChanged();
}

void EnrollmentForm::Add()
{
    if (!QueryLeave())
        return;
    ChildInfo blank;
    blank.enrollType = kDefaultEnrollType;
    blank.birthday = DbDate::Invalid();   // the date pickers keep their dates
    blank.enrollDate = DbDate::Invalid();
    FillForm(blank);
    m_edits.dailyPbg->setText(QStringLiteral("0.00"));
    // The form stands for no row now: Edit and Delete wait for a saved or selected child.
    ForgetChild(false);
    SetMode(Mode::Adding);
    Q_EMIT NewChildStarted();
    m_edits.name->setFocus();
}

void EnrollmentForm::Edit()
{
    SetMode(Mode::Editing);
    m_edits.name->setFocus();
}

void EnrollmentForm::Delete()
{
    if (!Prompt().AskYesNo(QStringLiteral("Do you really want to delete this child information?")))
        return;
    SetMode(Mode::Deleted);
    // Only the enrollment row goes: payments, daily records, folder and photos stay.
    const QString name = ChildShown();
    ReportDatabaseErrors([&] {
        EnrollmentTable& set = RecordSet();
        if (ChildRecords::FindChild(set, name)) {
            set.Delete();
            set.Close();
        }
    });
    ForgetChild(true);
}

void EnrollmentForm::StartEditingOnTyping()
{
    if (m_filling || m_mode == Mode::Adding || m_mode == Mode::Editing)
        return;
    if (!ChildShown().isEmpty()) {
        SetMode(Mode::Editing);
        return;
    }
    // A form that stands for no row begins a new child with what it shows.
    SetMode(Mode::Adding);
    Q_EMIT NewChildStarted();
}

bool EnrollmentForm::HasUnsavedChanges() const
{
    if (m_birthday->IsTyping() || m_enrollDate->IsTyping())
        return true;
    return (m_mode == Mode::Adding || m_mode == Mode::Editing) && Values() != m_saved;
}

QString EnrollmentForm::UnsavedChildName() const
{
    if (m_mode == Mode::Editing)
        return ChildShown();
    const QString typed = m_edits.name->text().trimmed();
    return typed.isEmpty() ? QStringLiteral("the new child") : typed;
}

bool EnrollmentForm::QueryLeave()
{
    if (const QString why = TakeTypedDates(); !why.isEmpty()) {
        Prompt().Warn(why);
        return false;
    }
    if (!HasUnsavedChanges())
        return true;
    switch (Prompt().AskYesNoCancel(QStringLiteral("Save changes to %1?").arg(UnsavedChildName()))) {
    case UserPrompt::Answer::Yes:
        Save();
        return !HasUnsavedChanges();
    case UserPrompt::Answer::No:
        DropChanges();
        return true;
    default:
        return false;
    }
}

void EnrollmentForm::DropChanges()
{
    FillForm(m_saved);
    SetMode(Mode::None);
}

bool EnrollmentForm::ShowsAnotherChild(const QString& folderPath) const
{
    const QString child = ChildOfFolder(folderPath);
    return !child.isEmpty() && !(m_mode == Mode::Editing && child == ChildShown());
}

QString EnrollmentForm::TakeTypedDates()
{
    for (DatePicker* picker : {m_birthday, m_enrollDate}) {
        if (const QString why = picker->TakeTyped(); !why.isEmpty()) {
            picker->setFocus();
            return why;
        }
    }
    return {};
}

void EnrollmentForm::Save()
{
    // A date still being typed is part of what is saved.
    if (const QString why = TakeTypedDates(); !why.isEmpty()) {
        Prompt().Warn(why);
        return;
    }
    if (m_mode != Mode::Adding && m_mode != Mode::Editing)
        return;
    ChildInfo child = Values();
    // Spaces around a name would give the same child a second folder.
    child.childName = child.childName.trimmed();
    // The name is also the child's folder and photo names.
    if (const QString problem = ChildRecords::NameProblem(child.childName); !problem.isEmpty()) {
        Prompt().Warn(problem);
        return;
    }
    const bool adding = m_mode == Mode::Adding;
    // A name already stored stays editable; a new one must fit the payments.
    if ((adding || child.childName != ChildShown())
        && child.childName.size() > ChildRecords::MaxNameLength()) {
        Prompt().Warn(QStringLiteral("A child's name can have at most %1 characters.")
                          .arg(ChildRecords::MaxNameLength()));
        return;
    }
    if (RefuseSecondChild(child.childName))
        return;
    // A new name is a folder the tree does not have yet.
    const bool newFolder = adding || child.childName != ChildShown();
    if (!(adding ? SaveNewChild(child) : SaveShownChild(child)))
        return;
    // The form now stands for the name's row as the database has it.
    ShowChild(child.childName);
    SetMode(Mode::None);
    // Only now, with nothing left unsaved, may the tree move to the new folder.
    if (newFolder && !Program().picturesRoot.isEmpty())
        Q_EMIT LibraryFolderAdded(child.childName);
}

bool EnrollmentForm::RefuseSecondChild(const QString& name)
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

bool EnrollmentForm::SaveNewChild(const ChildInfo& child)
{
    if (!ReportDatabaseErrors([&] {
            EnsureRecordsDatabase();
            ChildRecords::AddChild(RecordSet(), child);
        }))
        return false;
    MakeChildFolder(child.childName);
    return true;
}

void EnrollmentForm::MakeChildFolder(const QString& name)
{
    // A folder of that name already there keeps what is in it.
    if (const QString root = Program().picturesRoot; !root.isEmpty())
        QDir().mkpath(ChildRecords::ChildFolder(root, name));
}

bool EnrollmentForm::SaveShownChild(const ChildInfo& child)
{
    const QString shown = ChildShown();
    bool changedElsewhere = false;
    if (!ReportDatabaseErrors([&] {
            EnrollmentTable& set = RecordSet();
            const std::optional<ChildInfo> stored = ChildRecords::FindChild(set, shown);
            if (!stored)
                throw DatabaseError(QStringLiteral("%1 is no longer in the records; the "
                                                    "changes were not saved.").arg(shown));
            // Another seat saved the child since the form showed it: its change stays.
            changedElsewhere = *stored != m_read;
            if (changedElsewhere)
                throw Recordset::ChangedElsewhere();
            // The new name takes the child's days and payments along, or nothing is saved.
            RecordsDatabase::Shared().InTransaction([&] {
                ChildRecords::UpdateChild(set, child);
                ChildRecords::MoveRecordsToName(shown, child.childName);
            });
        })) {
        if (changedElsewhere)
            ShowChild(shown);
        return false;
    }
    // The old folder and its photos stay; the new name needs a folder to be selected by.
    if (child.childName != shown)
        MakeChildFolder(child.childName);
    return true;
}

QMenu* EnrollmentForm::BuildContextMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("ChildInfo"));
    for (const int id : {Cmd::ChildAdd, Cmd::ChildEdit, Cmd::ChildDelete})
        menu->addAction(CommandMenu::ActionFor(id, *menu, m_actionSource, *this));
    return menu;
}

void EnrollmentForm::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = BuildContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
