#pragma once

#include "reports/TuitionList.h"
#include "staff/TimeSheet.h"

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class EnrollmentTable;
class PaymentTable;
class QPainter;
class StaffTable;
class StatementObject;
class TimeSheetTable;

enum class ReportKind { Statement = 0, TuitionList = 1, Staff = 2 };

// A staff member's month on the staff report.
struct StaffMonth
{
    QString name;
    TimeSheet::MonthSheet sheet;
};

// One monthly report as pages of 96 units to the inch: the chosen child's tuition
// statement, the tuition list of every enrolled child or every staff member's month
// calendar. A list longer than a page goes on over further pages, its headings repeated.
// The recordsets are made once the database file exists; without it the reports show
// their fixed parts only.
class MonthReport
{
public:
    static constexpr QSize kPageSize{1087, 1240};
    // Where the statement and the list are drawn, and where the staff calendars are.
    static constexpr QRect kSheetArea{QPoint(100, 40), QPoint(927, 1200)};
    static constexpr QRect kStaffArea{QPoint(120, 40), QPoint(967, 1200)};
    static constexpr int kListRowHeight = 20;
    static constexpr int kCalendarsPerPage = 3;

    // The statement of no child for this month (UTC).
    MonthReport();
    ~MonthReport();

    ReportKind Kind() const { return m_kind; }
    TimeSheet::YearMonth Month() const { return m_month; }
    QString Child() const { return m_child; }
    void SetKind(ReportKind kind) { m_kind = kind; }
    void SetMonth(TimeSheet::YearMonth month) { m_month = month; }
    void SetChild(const QString& child) { m_child = child; }
    // Whether the statement has a child to be about.
    bool HasChild() const;

    // Reads what the report shows from the records as they are now. False, with the
    // engine's message in ReadProblem(), when they cannot be read.
    bool Load();
    QString ReadProblem() const { return m_readProblem; }

    const std::vector<TuitionListRow>& ListRows() const { return m_listRows; }
    const std::vector<StaffMonth>& StaffMonths() const { return m_staff; }

    // Where the calendar in place `slot` (from 0) of a staff page is drawn.
    static QRectF CalendarArea(int slot);

    // "Tuition List, March 2012" and the like.
    QString Title() const;
    int PageCount() const;
    // Page `index` (from 0) in page units, without background.
    void PaintPage(QPainter& painter, int index);

    // Who the report is mailed to: the child's parents for the statement; every
    // address of the list or of the staff, each followed by ";".
    QString Recipients() const;

    // The statement's own file name ("<child>_TuitionStatement_<mm>_of_<yyyy>"),
    // "TuitionList" or "Staff", without extension.
    QString ExportBaseName() const;

private:
    bool HaveRecordsets();
    void PaintStatement(QPainter& painter);
    void PaintList(QPainter& painter, int index);
    void PaintStaff(QPainter& painter, int index);
    void PaintPageTitle(QPainter& painter, const QRect& area, int index);
    int ListRowsPerPage() const;

    ReportKind m_kind = ReportKind::Statement;
    TimeSheet::YearMonth m_month;
    QString m_child;
    QString m_readProblem;
    std::vector<TuitionListRow> m_listRows;
    QStringList m_listAddresses;
    std::vector<StaffMonth> m_staff;
    QStringList m_staffAddresses;
    QString m_parentAddress;

    std::unique_ptr<StatementObject> m_statement;
    std::unique_ptr<PaymentTable> m_payments;
    std::unique_ptr<EnrollmentTable> m_enrollment;
    std::unique_ptr<StaffTable> m_staffSet;
    std::unique_ptr<TimeSheetTable> m_sheets;
};
