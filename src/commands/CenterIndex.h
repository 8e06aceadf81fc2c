#pragma once

// The eight centers of the main window, in the order the center container creates them.
namespace Center {

enum Index : int {
    StartPage = 0,
    EditCenter = 1,
    PhotoCenter = 2,
    StaffCenter = 3,
    ChildCenter = 4,
    FamilyCenter = 5,
    TakePhoto = 6,
    Reports = 7,
};

inline constexpr int Count = 8;

// An index outside 1..7 means the start page.
constexpr Index Normalized(int index)
{
    return index >= EditCenter && index <= Reports ? static_cast<Index>(index) : StartPage;
}

// The centers that show the records (children, families, staff, reports): they have
// nothing to show while the records cannot be reached.
constexpr bool ShowsRecords(Index center)
{
    return center == StaffCenter || center == ChildCenter || center == FamilyCenter
        || center == Reports;
}

} // namespace Center
