#include "staff/StaffRecords.h"

#include "photos/LibraryFiles.h"
#include "records/RecordsDatabase.h"
#include "records/StaffTable.h"
#include "records/TimeSheetTable.h"

#include <QDir>

namespace StaffRecords {

namespace {

StaffInfo ReadStaff(const StaffTable& set)
{
    return {set.m_Name,  set.m_Department, set.m_Position, set.m_EmployedDate,
            set.m_Phone, set.m_Email,      set.m_Address,  set.m_Note};
}

void WriteStaff(StaffTable& set, const StaffInfo& staff)
{
    set.m_Name = staff.name;
    set.m_Department = staff.department;
    set.m_Position = staff.position;
    set.m_EmployedDate = staff.employedDate;
    set.m_Phone = staff.phone;
    set.m_Email = staff.email;
    set.m_Address = staff.address;
    set.m_Note = staff.note;
}

} // namespace

std::vector<ListedStaff> ListStaff(StaffTable& set)
{
    std::vector<ListedStaff> staff;
    set.SelectStaff(QStringLiteral("All"));
    if (!set.IsOpen())
        return staff;
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext())
        staff.push_back({set.m_Name, set.m_Department});
    return staff;
}

std::optional<StaffInfo> FindStaff(StaffTable& set, const QString& name)
{
    // An empty name would select everybody.
    if (name.isEmpty())
        return std::nullopt;
    set.SelectStaff(name);
    if (!set.IsOpen())
        return std::nullopt;
    set.MoveFirst();
    if (set.IsEOF())
        return std::nullopt;
    return ReadStaff(set);
}

void AddStaff(StaffTable& set, const StaffInfo& staff)
{
    if (!set.IsOpen())
        set.OpenToAdd();
    set.AddNew();
    WriteStaff(set, staff);
    set.Update();
    set.Close();
}

void UpdateStaff(StaffTable& set, TimeSheetTable& sheets, const QString& shownName,
                 const StaffInfo& staff, const std::optional<StaffInfo>& asShown)
{
    const std::optional<StaffInfo> stored = FindStaff(set, shownName);
    if (!stored)
        throw DatabaseError(QStringLiteral("%1 is no longer in the staff records; the changes "
                                           "were not saved.").arg(shownName));
    if (asShown && *stored != *asShown) {
        set.Close();
        throw Recordset::ChangedElsewhere();
    }
    RecordsDatabase::Shared().InTransaction([&] {
        set.Edit();
        WriteStaff(set, staff);
        set.Update();
        if (staff.name == shownName)
            return;
        sheets.SelectStaff(shownName);
        for (sheets.MoveFirst(); !sheets.IsEOF(); sheets.MoveNext()) {
            sheets.Edit();
            sheets.m_Name = staff.name;
            sheets.Update();
        }
    });
    set.Close();
    sheets.Close();
}

bool HasStaff(StaffTable& set, const QString& name)
{
    return FindStaff(set, name).has_value();
}

void DeleteStaff(StaffTable& staff, TimeSheetTable& sheets, const QString& name)
{
    if (name.isEmpty())
        return;
    staff.SelectStaff(name);
    if (!staff.IsOpen())
        return;
    RecordsDatabase::Shared().InTransaction([&] {
        for (staff.MoveFirst(); !staff.IsEOF(); staff.MoveNext())
            staff.Delete();
        sheets.SelectStaff(name);
        for (sheets.MoveFirst(); !sheets.IsEOF(); sheets.MoveNext())
            sheets.Delete();
    });
    staff.Close();
    sheets.Close();
}

QString NameProblem(const QString& name)
{
    // "All" selects every staff row, so a member of that name would show and be edited
    // as someone else.
    if (name.trimmed().compare(QLatin1String("All"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("All stands for every staff member. Please choose another name.");
    return LibraryFiles::NameProblem(name);
}

QString PhotoPath(const QString& programDir, const QString& name)
{
    if (programDir.isEmpty() || !NameProblem(name).isEmpty())
        return {};
    return QDir(programDir).filePath(QStringLiteral("staff/%1.jpg").arg(name));
}

} // namespace StaffRecords
