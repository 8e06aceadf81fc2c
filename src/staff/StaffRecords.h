#pragma once

#include "records/DbDate.h"

#include <QString>
#include <QStringList>
#include <optional>

class StaffTable;
class TimeSheetTable;

// One staff member's row, as the Staff Center's form shows and edits it.
struct StaffInfo
{
    QString name;
    QString department;
    QString position;
    DbDate employedDate;
    QString phone;
    QString email;
    QString address;
    QString note;

    bool operator==(const StaffInfo& other) const = default;
};

namespace StaffRecords {

// Every staff row's name and department, in the table's order.
struct ListedStaff
{
    QString name;
    QString department;
};
std::vector<ListedStaff> ListStaff(StaffTable& set);

// Selects the staff member's rows and reads the first; nullopt when there is none.
std::optional<StaffInfo> FindStaff(StaffTable& set, const QString& name);
// Adds a staff row and closes the set.
void AddStaff(StaffTable& set, const StaffInfo& staff);
// Rewrites the staff member's first row (found by `shownName`) and closes the sets. A new
// name goes to their time sheet too, so no month is left without its member. A member
// who is gone throws DatabaseError; nothing is written unless all is. With `asShown` (the
// row as the form showed it) a row another seat changed since throws RowChangedError.
void UpdateStaff(StaffTable& set, TimeSheetTable& sheets, const QString& shownName,
                 const StaffInfo& staff, const std::optional<StaffInfo>& asShown = {});
// Whether a staff row has exactly this name.
bool HasStaff(StaffTable& set, const QString& name);
// Deletes the staff member's rows and every month of their time sheet, all or nothing.
void DeleteStaff(StaffTable& staff, TimeSheetTable& sheets, const QString& name);

// Why a name cannot be a staff member's (it names their photo file); empty when it can.
QString NameProblem(const QString& name);
// The staff member's photo: "staff/<name>.jpg" in the application folder.
QString PhotoPath(const QString& programDir, const QString& name);

} // namespace StaffRecords
