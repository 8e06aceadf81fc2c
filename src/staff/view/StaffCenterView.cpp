#include "staff/view/StaffCenterView.h"

#include "commands/CommandIds.h"
#include "parentmail/ParentAddresses.h"
#include "photos/LibraryFiles.h"
#include "platform/Clock.h"
#include "platform/UserPrompt.h"
#include "records/ChildRecords.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsSchema.h"
#include "records/StaffTable.h"
#include "records/TimeSheetTable.h"
#include "settings/ProgramState.h"
#include "staff/view/MonthCalendar.h"
#include "staff/view/StaffCalendarDialog.h"
#include "staff/view/StaffReportList.h"
#include "widgets/ActionRegistry.h"
#include "widgets/DatePicker.h"
#include "widgets/FormGrid.h"
#include "widgets/ModalRunner.h"
#include "widgets/PictureButton.h"
#include "widgets/SendEmailDialog.h"

#include <QAction>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace TimeSheet;

namespace {

constexpr ReportListView::ColumnSpec kStaffColumns[] = {{"Name", 120}, {"Department", 160}};
constexpr ReportListView::ColumnSpec kSummaryColumns[] = {
    {"Name", 100}, {"Annual", 60, Qt::AlignHCenter}, {"Sick", 60, Qt::AlignHCenter}};
constexpr int kFirstYear = 2010;
constexpr int kLastYear = 2030;
constexpr const char* kPhotoFilter = "Image File (*.JPG *.jpg)";

// The month the calendar dialog shows while no time sheet is loaded.
constexpr YearMonth kUnloadedMonth{2012, 1};

QLabel* Heading(const QString& text)
{
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

StaffCenterView::StaffCenterView(QWidget* parent)
    : CenterView(parent), m_month(MonthOf(Clock::TodayUtc()))
{
    setObjectName(QStringLiteral("staffCenter"));
    m_sheet = BlankMonth(m_month);

    m_staffList = new StaffReportList(kStaffColumns, {Cmd::StaffAdd, Cmd::StaffEdit,
                                                      Cmd::StaffDelete},
                                      *this, [this](QWidget* menuParent) {
                                          return BuildTimeTableMenu(menuParent);
                                      });
    m_staffList->setObjectName(QStringLiteral("staffList"));
    m_summary = new StaffReportList(kSummaryColumns, {0, 0, 0}, *this, {});
    m_summary->setObjectName(QStringLiteral("leaveSummary"));
    m_year = new QSpinBox;
    m_year->setObjectName(QStringLiteral("year"));
    m_year->setRange(kFirstYear, kLastYear);
    m_year->setValue(qBound(kFirstYear, Clock::TodayUtc().year(), kLastYear));
    m_year->setToolTip(QStringLiteral("The year the leave summary counts"));
    m_calendar = new MonthCalendar;
    m_calendar->SetSource([this] { return CurrentSheet(); });

    auto* left = new QVBoxLayout;
    left->addWidget(Heading(QStringLiteral("Staff List")));
    left->addWidget(m_staffList, 1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(BuildForm());
    middle->addWidget(m_calendar, 1);
    auto* yearRow = new QHBoxLayout;
    auto* yearLabel = new QLabel(QStringLiteral("&Year:"));
    yearLabel->setBuddy(m_year);
    yearRow->addWidget(yearLabel);
    yearRow->addWidget(m_year);
    yearRow->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(Heading(QStringLiteral("Staff Leave Summary")));
    right->addWidget(m_summary, 1);
    right->addLayout(yearRow);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(12);
    layout->addLayout(left);
    layout->addLayout(middle, 1);
    layout->addLayout(right);
    m_staffList->setMinimumWidth(300);
    m_summary->setMinimumWidth(240);

    connect(m_staffList, &QTreeWidget::itemSelectionChanged, this,
            &StaffCenterView::ShowSelected);
    connect(m_staffList, &ReportListView::CommandStateChanged, this,
            &CenterView::CommandStateChanged);
    connect(m_year, &QSpinBox::valueChanged, this, &StaffCenterView::RebuildSummary);
}

StaffCenterView::~StaffCenterView() = default;

QLineEdit* StaffCenterView::AddEdit(const char* objectName, const char* column,
                                    const QString& toolTip)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(objectName));
    // Typing stops where the table would refuse the text.
    if (const auto* field = RecordsSchema::Table(RecordsSchema::kEmployeeInfo)
                                .Field(QString::fromLatin1(column)))
        edit->setMaxLength(field->size);
    edit->setToolTip(toolTip);
    return edit;
}

QWidget* StaffCenterView::BuildForm()
{
    auto* form = new QWidget;
    m_name = AddEdit("name", "Name", QStringLiteral("The staff member's name; their photo has it "
                                                    "too"));
    m_department = AddEdit("department", "Department", QStringLiteral("Where they work"));
    m_position = AddEdit("position", "Position", QStringLiteral("Their position"));
    m_employed = new DatePicker(Clock::TodayLocal());
    m_employed->setObjectName(QStringLiteral("employedDate"));
    m_employed->setToolTip(QStringLiteral("The day they started"));
    m_phone = AddEdit("phone", "Phone", QStringLiteral("Their phone number"));
    m_email = AddEdit("email", "Email", QStringLiteral("Their e-mail address"));
    m_address = AddEdit("address", "Address", QStringLiteral("Their home address"));
    m_note = AddEdit("note", "Note", QStringLiteral("Anything else about them"));
    m_save = new QPushButton(QStringLiteral("Save"));
    m_save->setObjectName(QStringLiteral("save"));
    m_save->setToolTip(QStringLiteral("Save the new staff member or the changes (Ctrl+S)"));
    m_save->setEnabled(false);
    connect(m_save, &QPushButton::clicked, this, &StaffCenterView::Save);
    for (QLineEdit* edit : {m_name, m_department, m_position, m_phone, m_email, m_address, m_note})
        connect(edit, &QLineEdit::textEdited, this, &StaffCenterView::StartEditingOnTyping);
    connect(m_employed, &DatePicker::TypingStarted, this, &StaffCenterView::StartEditingOnTyping);
    connect(m_employed, &QDateEdit::dateChanged, this, &StaffCenterView::StartEditingOnTyping);

    auto* grid = new QGridLayout;
    FormGrid fields(*grid);
    using Half = FormGrid::Half;
    fields.Add(0, Half::Left, QStringLiteral("&Name:"), m_name);
    fields.Add(0, Half::Right, QStringLiteral("&Department:"), m_department);
    fields.Add(1, Half::Left, QStringLiteral("P&osition:"), m_position);
    fields.Add(1, Half::Right, QStringLiteral("S&tarting Date:"), m_employed);
    fields.Add(2, Half::Left, QStringLiteral("&Phone:"), m_phone);
    fields.Add(2, Half::Right, QStringLiteral("E&mail:"), m_email);
    fields.AddWide(3, QStringLiteral("Home &Address:"), m_address);
    fields.AddWide(4, QStringLiteral("N&ote:"), m_note);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    auto* fieldColumn = new QVBoxLayout;
    fieldColumn->addLayout(grid);
    fieldColumn->addLayout(buttons);
    fieldColumn->addStretch(1);

    m_picture = new PictureButton(QSize(240, 200));
    m_picture->setObjectName(QStringLiteral("photo"));
    m_picture->setToolTip(QStringLiteral("The staff member's photo"));
    m_loadPhoto = new QPushButton(QStringLiteral("&Load Photo"));
    m_loadPhoto->setObjectName(QStringLiteral("loadPhoto"));
    m_loadPhoto->setToolTip(QStringLiteral("Copy a JPEG file to the staff member's photo"));
    m_loadPhoto->setEnabled(false);
    connect(m_loadPhoto, &QPushButton::clicked, this, &StaffCenterView::LoadPhoto);
    auto* photoColumn = new QVBoxLayout;
    photoColumn->addWidget(new QLabel(QStringLiteral("Staff's Photo")), 0, Qt::AlignHCenter);
    photoColumn->addWidget(m_picture);
    photoColumn->addWidget(new QLabel(QStringLiteral("(240x200 pixels)")), 0, Qt::AlignHCenter);
    photoColumn->addWidget(m_loadPhoto, 0, Qt::AlignHCenter);
    photoColumn->addStretch(1);

    auto* layout = new QHBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addLayout(fieldColumn, 1);
    layout->addLayout(photoColumn);
    return form;
}

void StaffCenterView::Attach(PageDocument&, ActionRegistry& actions)
{
    m_actionSource = [&actions](int id) { return actions.Action(id); };
    m_staffList->SetActionSource(m_actionSource);
}

void StaffCenterView::OnCenterShown()
{
    FillLists();
}

StaffTable& StaffCenterView::Staff()
{
    if (!m_staffSet)
        m_staffSet = std::make_unique<StaffTable>();
    return *m_staffSet;
}

TimeSheetTable& StaffCenterView::Sheets()
{
    if (!m_sheetSet)
        m_sheetSet = std::make_unique<TimeSheetTable>();
    return *m_sheetSet;
}

void StaffCenterView::FillLists()
{
    if (!RecordsDatabaseExists() || m_staffList->topLevelItemCount() > 0)
        return;
    std::vector<StaffRecords::ListedStaff> staff;
    if (!ReportDatabaseErrors([&] { staff = StaffRecords::ListStaff(Staff()); }))
        return;
    const QSignalBlocker quiet(m_staffList);
    m_staffList->clear();
    for (const StaffRecords::ListedStaff& member : staff) {
        auto* row = new QTreeWidgetItem(m_staffList);
        m_staffList->SetRow(*row, {member.name, member.department});
    }
    RebuildSummary();
    Q_EMIT CommandStateChanged();
}

QList<QString> StaffCenterView::ListedNames() const
{
    QList<QString> names;
    for (int i = 0; i < m_staffList->topLevelItemCount(); ++i)
        names << m_staffList->topLevelItem(i)->text(0);
    return names;
}

void StaffCenterView::RebuildSummary()
{
    m_summary->clear();
    const QList<QString> names = ListedNames();
    if (names.isEmpty())
        return;
    const int year = m_year->value();
    ReportDatabaseErrors([&] {
        const QHash<QString, LeaveCount> counts = CountLeaveOfYear(Sheets(), year);
        for (const QString& name : names) {
            const LeaveCount count = counts.value(name);
            auto* row = new QTreeWidgetItem(m_summary);
            m_summary->SetRow(*row, {name, QString::number(count.annual),
                                     QString::number(count.sick)});
        }
    });
}

void StaffCenterView::ShowSelected()
{
    const QList<QTreeWidgetItem*> selected = m_staffList->selectedItems();
    if (selected.isEmpty())
        return;
    const QString chosen = selected.first()->text(0);
    if (chosen == m_shown && m_mode != Mode::None)
        return;
    // Typing in the form is offered for saving before another member is shown. Saving
    // lists the staff again, so the choice is made again by name.
    if (m_mode != Mode::None) {
        if (!QueryLeave()) {
            const QSignalBlocker quiet(m_staffList);
            m_staffList->clearSelection();
            SelectStaff(m_shown);
            return;
        }
        if (SelectStaff(chosen))
            return;
    }
    ShowStaff(chosen);
}

bool StaffCenterView::SelectStaff(const QString& name)
{
    const QList<QTreeWidgetItem*> rows = m_staffList->findItems(name, Qt::MatchExactly, 0);
    if (rows.isEmpty())
        return false;
    m_staffList->setCurrentItem(rows.first());
    rows.first()->setSelected(true);
    return m_shown == name;
}

void StaffCenterView::ShowStaff(const QString& name)
{
    // Another member shown ends adding and editing.
    if (m_mode != Mode::None)
        SetMode(Mode::None);
    std::optional<StaffInfo> staff;
    if (!ReportDatabaseErrors([&] { staff = StaffRecords::FindStaff(Staff(), name); }) || !staff)
        return;
    ShowValues(*staff);
    m_read = staff;
    m_shown = staff->name;
    m_loadPhoto->setEnabled(true);
    ShowPhoto();
    LoadMonth();
    Q_EMIT CommandStateChanged();
}

void StaffCenterView::ShowValues(const StaffInfo& staff)
{
    const QScopedValueRollback filling(m_filling, true);
    m_name->setText(staff.name);
    m_department->setText(staff.department);
    m_position->setText(staff.position);
    if (staff.employedDate.IsValid())
        m_employed->setDate(staff.employedDate.Date());
    m_phone->setText(staff.phone);
    m_email->setText(staff.email);
    m_address->setText(staff.address);
    m_note->setText(staff.note);
    m_saved = Values();
}

StaffInfo StaffCenterView::Values() const
{
    return {m_name->text(),  m_department->text(), m_position->text(),
            DbDate::FromDate(m_employed->date()), m_phone->text(), m_email->text(),
            m_address->text(), m_note->text()};
}

void StaffCenterView::ForgetStaff()
{
    m_shown.clear();
    m_read.reset();
    m_monthLoaded = false;
    m_plan = {};
    m_sheet = BlankMonth(m_month);
    m_loadPhoto->setEnabled(false);
    ShowPhoto();
    m_calendar->update();
    Q_EMIT CommandStateChanged();
}

void StaffCenterView::ShowPhoto()
{
    // A member with a photo offers no way to load another from here.
    const bool shown = m_picture->LoadPicture(
        StaffRecords::PhotoPath(Program().programDir, m_shown),
        m_shown.isEmpty() ? QString() : QStringLiteral("Staff Photo"));
    m_loadPhoto->setVisible(!shown);
}

void StaffCenterView::LoadPhoto()
{
    if (m_shown.isEmpty())
        return;
    const QString target = StaffRecords::PhotoPath(Program().programDir, m_shown);
    if (target.isEmpty()) {
        const QString problem = StaffRecords::NameProblem(m_shown);
        Prompt().Warn(problem.isEmpty() ? QStringLiteral("There is no application folder for "
                                                         "staff photos.")
                                        : problem);
        return;
    }
    const QString chosen = Prompt().ChooseFileToOpen(QStringLiteral("Open"), QString(),
                                                     QString::fromLatin1(kPhotoFilter));
    if (chosen.isEmpty())
        return;
    if (const QString why = ChildRecords::PlacePhotoOrSayWhy(chosen, target, QString());
        !why.isEmpty())
        Prompt().Warn(why);
    ShowPhoto();
}

void StaffCenterView::LoadMonth()
{
    if (m_shown.isEmpty()) {
        m_monthLoaded = false;
        m_sheet = BlankMonth(m_month);
    } else {
        m_monthLoaded = ReportDatabaseErrors(
            [&] { m_sheet = LoadOrCreateMonth(Sheets(), m_shown, m_month); });
        if (m_monthLoaded)
            m_plan = PlanOf(m_month, m_sheet.days, m_sheet.note);
        else
            m_sheet = BlankMonth(m_month);
    }
    m_calendar->update();
}

MonthSheet StaffCenterView::CurrentSheet()
{
    // Painting shows no message box: a failed read keeps the month last read.
    if (m_monthLoaded) {
        try {
            m_sheet = ReadMonth(Sheets(), m_shown, m_month);
        } catch (const DatabaseError&) {
        }
    }
    return m_sheet;
}

void StaffCenterView::ApplyPlan(const MonthPlan& plan)
{
    if (!m_monthLoaded)
        return;
    const MonthSheet sheet{m_month, DaysOf(m_month, plan), plan.note};
    if (!ReportDatabaseErrors([&] { WriteMonth(Sheets(), m_shown, sheet); }))
        return;
    m_plan = plan;
    m_sheet = sheet;
    RebuildSummary();
    m_calendar->update();
}

void StaffCenterView::EditCalendar()
{
    StaffCalendarDialog dialog(m_monthLoaded ? m_month : kUnloadedMonth, m_plan, this);
    if (RunModal(dialog) == QDialog::Accepted)
        ApplyPlan(dialog.Plan());
}

void StaffCenterView::StepMonth(YearMonth month)
{
    m_month = month;
    LoadMonth();
}

void StaffCenterView::SetMode(Mode mode)
{
    m_mode = mode;
    m_save->setEnabled(mode != Mode::None);
    Q_EMIT CommandStateChanged();
}

void StaffCenterView::Add()
{
    {
        const QSignalBlocker quiet(m_staffList);
        m_staffList->clearSelection();
    }
    ForgetStaff();
    ClearValues();
    SetMode(Mode::Adding);
    m_name->setFocus();
}

void StaffCenterView::ClearValues()
{
    // The starting date stays as it was.
    for (QLineEdit* edit : {m_name, m_department, m_position, m_phone, m_email, m_address, m_note})
        edit->clear();
    m_saved = Values();
}

bool StaffCenterView::QueryLeave()
{
    if (m_mode == Mode::None || Values() == m_saved)
        return true;
    const QString who = m_mode == Mode::Editing ? m_shown : QStringLiteral("the new staff member");
    switch (Prompt().AskYesNoCancel(QStringLiteral("Save changes to %1?").arg(who))) {
    case UserPrompt::Answer::Yes:
        Save();
        return m_mode == Mode::None;
    case UserPrompt::Answer::No:
        ShowValues(m_saved);
        SetMode(Mode::None);
        return true;
    default:
        return false;
    }
}

void StaffCenterView::StartEditingOnTyping()
{
    // What is typed must be savable and asked about on leaving, or it is lost unseen.
    if (m_filling || m_mode != Mode::None)
        return;
    SetMode(m_shown.isEmpty() ? Mode::Adding : Mode::Editing);
}

void StaffCenterView::Edit()
{
    SetMode(Mode::Editing);
    m_name->setFocus();
}

bool StaffCenterView::RefuseName(const QString& name)
{
    if (const QString problem = StaffRecords::NameProblem(name); !problem.isEmpty()) {
        Prompt().Warn(problem);
        return true;
    }
    // The shown member keeps their own name.
    if (m_mode == Mode::Editing && name == m_shown)
        return false;
    if (!RecordsDatabaseExists())
        return false;
    bool taken = false;
    if (!ReportDatabaseErrors([&] { taken = StaffRecords::HasStaff(Staff(), name); }))
        return true;
    // Staff are told apart by name: their time sheets and photos.
    if (taken)
        Prompt().Warn(QStringLiteral("A staff member named %1 is already in the records.")
                          .arg(name));
    return taken;
}

void StaffCenterView::Save()
{
    if (m_mode == Mode::None)
        return;
    if (const QString why = m_employed->TakeTyped(); !why.isEmpty()) {
        Prompt().Warn(why);
        return;
    }
    StaffInfo staff = Values();
    staff.name = staff.name.trimmed();
    if (RefuseName(staff.name))
        return;
    if (m_mode == Mode::Adding) {
        if (!ReportDatabaseErrors([&] {
                EnsureRecordsDatabase();
                StaffRecords::AddStaff(Staff(), staff);
            }))
            return;
        auto* row = new QTreeWidgetItem;
        m_staffList->SetRow(*row, {staff.name, staff.department});
        m_staffList->insertTopLevelItem(0, row);
        auto* leave = new QTreeWidgetItem;
        m_summary->SetRow(*leave, {staff.name, QStringLiteral("0"), QStringLiteral("0")});
        m_summary->insertTopLevelItem(0, leave);
        SetMode(Mode::None);
        SelectStaff(staff.name);
        return;
    }
    const QString before = m_shown;
    bool changedElsewhere = false;
    if (!ReportDatabaseErrors([&] {
            try {
                StaffRecords::UpdateStaff(Staff(), Sheets(), before, staff, m_read);
            } catch (const RowChangedError&) {
                changedElsewhere = true;
                throw;
            }
        })) {
        // Another seat's change stays; the form shows it.
        if (changedElsewhere)
            ShowStaff(before);
        return;
    }
    if (staff.name != before) {
        // The photo follows the name; one already under the new name stays.
        const QString from = StaffRecords::PhotoPath(Program().programDir, before);
        const QString to = StaffRecords::PhotoPath(Program().programDir, staff.name);
        if (!from.isEmpty() && !to.isEmpty() && QFileInfo::exists(from) && !QFileInfo::exists(to))
            LibraryFiles::MoveFile(from, to, false);
    }
    // The saved member's own rows: choosing another member may be what asked for the save.
    for (QTreeWidgetItem* row : m_staffList->findItems(before, Qt::MatchExactly, 0))
        m_staffList->SetRow(*row, {staff.name, staff.department});
    for (QTreeWidgetItem* row : m_summary->findItems(before, Qt::MatchExactly, 0))
        row->setText(0, staff.name);
    m_shown = staff.name;
    // What was written is what the next save must find.
    ReportDatabaseErrors([&] { m_read = StaffRecords::FindStaff(Staff(), staff.name); });
    m_name->setText(staff.name);
    m_saved = Values();
    SetMode(Mode::None);
    ShowPhoto();
}

void StaffCenterView::Delete()
{
    if (m_shown.isEmpty())
        return;
    if (Prompt().AskYesNoCancel(QStringLiteral("Are you sure you need to delete this record?"))
        != UserPrompt::Answer::Yes)
        return;
    const QString name = m_shown;
    if (!ReportDatabaseErrors([&] { StaffRecords::DeleteStaff(Staff(), Sheets(), name); }))
        return;
    {
        const QSignalBlocker quiet(m_staffList);
        for (StaffReportList* list : {m_staffList, m_summary})
            qDeleteAll(list->findItems(name, Qt::MatchExactly, 0));
        m_staffList->clearSelection();
    }
    // The photo file stays: nothing the user made is deleted on the way.
    ForgetStaff();
    ClearValues();
    SetMode(Mode::None);
}

void StaffCenterView::EmailStaff()
{
    MailMessage message;
    message.to = m_email->text();
    message.subject = Program().email.subject;
    SendEmailDialog::Run(ParentMail::AccountOf(Program().email), message, this);
}

void StaffCenterView::AddOneWeek()
{
    const QStringList names = ListedNames();
    int marked = 0;
    if (!ReportDatabaseErrors(
            [&] { marked = AddWorkingWeek(Sheets(), names, Clock::TodayUtc()); }))
        return;
    LoadMonth();
    Prompt().Inform(marked > 0
                        ? QStringLiteral("%1 working days of this week were added to the time "
                                         "sheets.").arg(marked)
                        : QStringLiteral("This week's working days were already in every time "
                                         "sheet."));
}

bool StaffCenterView::OnCommand(int id)
{
    const CommandState state = UpdateCommand(id);
    if (!state.handled)
        return false;
    if (!state.enabled)
        return true;
    switch (id) {
    case Cmd::StaffAdd: Add(); break;
    case Cmd::StaffEdit: Edit(); break;
    case Cmd::StaffDelete: Delete(); break;
    case Cmd::StaffEmail: EmailStaff(); break;
    case Cmd::StaffAddWeek: AddOneWeek(); break;
    case Cmd::StaffEditCalendar: EditCalendar(); break;
    case Cmd::StaffPreviousMonth: StepMonth(Previous(m_month)); break;
    case Cmd::StaffNextMonth: StepMonth(Next(m_month)); break;
    case Cmd::StaffSave:
    case Cmd::FileSave: Save(); break;
    }
    Q_EMIT CommandStateChanged();
    return true;
}

CommandState StaffCenterView::UpdateCommand(int id) const
{
    const bool shown = !m_shown.isEmpty();
    switch (id) {
    case Cmd::StaffAdd:
    case Cmd::StaffPreviousMonth:
    case Cmd::StaffNextMonth: return CommandState::Enabled();
    case Cmd::StaffEdit:
    case Cmd::StaffDelete:
    case Cmd::StaffEmail: return CommandState::Enabled(shown);
    case Cmd::StaffEditCalendar: return CommandState::Enabled(shown && m_monthLoaded);
    case Cmd::StaffAddWeek: return CommandState::Enabled(m_staffList->topLevelItemCount() > 0);
    case Cmd::StaffSave:
    case Cmd::FileSave: return CommandState::Enabled(m_mode != Mode::None);
    default: return {};
    }
}

QMenu* StaffCenterView::BuildTimeTableMenu(QWidget* parent)
{
    struct Entry
    {
        const char* text;
        int id;
    };
    // The menu's own words, each doing what the toolbar's command of the same meaning does.
    static constexpr Entry kEntries[] = {
        {"Add New Staff Information", Cmd::StaffAdd}, {"Add One Week", Cmd::StaffAddWeek},
        {"Edit Staff Information", Cmd::StaffEdit},    {"Delete Staff Information", Cmd::StaffDelete},
        {"Send Staff Email", Cmd::StaffEmail}};
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("TimeTable"));
    for (const Entry& entry : kEntries) {
        QAction* action = menu->addAction(QString::fromLatin1(entry.text));
        action->setData(entry.id);
        if (const QAction* shared = m_actionSource ? m_actionSource(entry.id) : nullptr)
            action->setIcon(shared->icon());
        action->setEnabled(UpdateCommand(entry.id).enabled);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { OnCommand(id); });
    }
    return menu;
}
