#pragma once

#include "widgets/ReportListView.h"
#include "tuition/WeekCheckRunner.h"
#include "tuition/WeeklyPayments.h"

#include <QTimer>
#include <memory>
#include <optional>

class PaymentTable;
class EnrollmentTable;

// The Family Center's lower pane: the weekly tuition rows of the child whose folder is
// selected (every child's for the class folder), with Add, Edit and Delete and the
// months on its right-click menu "ChildPayment". While it exists it makes each new
// week's rows, checking once a minute from its first showing.
class WeeklyPaymentList : public ReportListView
{
    Q_OBJECT

public:
    enum Column { WeekStartColumn, WeekEndColumn, NameColumn, SessionDaysColumn, FeeColumn,
                  ExtraHoursColumn, ExtraChargeColumn, DiscountColumn, PbgColumn, PbpColumn,
                  PaidDateColumn, PaidByColumn, DebitColumn, ColumnCount };

    static constexpr int kWeekCheckInterval = 60000;   // ms

    explicit WeeklyPaymentList(QWidget* parent = nullptr);
    ~WeeklyPaymentList() override;

    // Lists the rows of the folder's child ("AAA": every child's). The name the list
    // works with already does nothing; after "AAA" that is the last listed row's child.
    void ShowChild(const QString& folderName);
    // Lists the selected folder's rows whose week starts in `month` of this year (UTC).
    void ShowMonth(int month);

    // The child the list works with, and the folder selected last.
    QString WorkingChild() const { return m_childName; }
    QString SelectedFolder() const { return m_folderName; }

    // Add, Edit, Delete (the menu's ids and the toolbar's) and the twelve months.
    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;
    QMenu* BuildContextMenu() override;

    // Makes this week's rows when they were not made yet, as the timer does each minute.
    void RunWeekCheck();
    const QTimer& WeekCheckTimer() const { return m_weekTimer; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AddWeek();
    void EditWeek();
    void DeleteWeek();
    // Lists the selected folder's rows again (one month's while a month is shown) and
    // returns them; the selected row stays selected.
    std::vector<WeeklyPayment> Reload();
    void AppendRow(const WeeklyPayment& payment);
    PaymentTable& Payments();
    EnrollmentTable& Enrollment();

    std::unique_ptr<PaymentTable> m_payments;
    std::unique_ptr<EnrollmentTable> m_enrollment;
    QString m_childName;                 // the working child
    QString m_folderName;                // the folder selected last
    std::optional<int> m_monthShown;     // none while every week is listed
    bool m_commandRunning = false;
    QTimer m_weekTimer;
    WeekCheck::CompletedWeek m_completedWeek;
    WeekCheckRunner m_weekCheck;
};
