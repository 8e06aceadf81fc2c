#pragma once

#include "support/DialogTestKit.h"
#include "support/EnrolledChildren.h"
#include "support/WidgetTexts.h"
#include "tuition/view/WeeklyPaymentList.h"

#include <QDate>
#include <QSqlRecord>
#include <vector>

// The payment list over a fresh records database, with today fixed on a Wednesday.
class PaymentListTest : public DialogTest
{
protected:
    static inline const QDate kToday{2026, 3, 18};
    // The week as the list shows it, and as the settings keep it.
    static inline const QString kWeekStart = QStringLiteral("2026-03-16");
    static inline const QString kWeekEnd = QStringLiteral("2026-03-22");

    PaymentListTest();
    ~PaymentListTest() override;

    QString DatabaseFile() const { return m_home.FilePath(QStringLiteral("WRN.mdb")); }

    // The payment rows of the file in table order, with their rowid.
    std::vector<QSqlRecord> StoredRows() const;

    QStringList Listed(int column) const { return ColumnTexts(m_view, column); }
    QStringList RowTexts(int row) const { return ::RowTexts(m_view, row); }
    void SelectRow(int row) { m_view.setCurrentItem(m_view.topLevelItem(row)); }

    WeeklyPaymentList m_view;
};
