#pragma once

#include "photo_views/LibraryTestKit.h"

#include <QDate>
#include <QVariantMap>
#include <vector>

class CChildCenterView;
class QWidget;

// A photo library in a fresh application folder whose pictures root is the program's,
// with the records database read back through a connection of its own.
class RecordViewsTest : public LibraryTest
{
protected:
    RecordViewsTest();

    QString DatabasePath() const { return m_home.FilePath(QStringLiteral("WRN.mdb")); }
    bool DatabaseExists() const;

    // Every row of a table in file order; none when there is no database.
    std::vector<QVariantMap> Rows(const QString& table) const;
    // The ChildName column of the enrollment rows.
    QStringList EnrolledNames() const;
    // Runs a statement on the file (to plant rows the views do not write).
    void Execute(const QString& sql, const QVariantList& values = {}) const;
    void AddDailyRecord(const QString& child, const QDate& date, const QString& note) const;

    // Adds a child through the Child Center's form as a user would: Add, the name and
    // reference number typed, Save.
    static void EnrollChild(CChildCenterView& center, const QString& name,
                            const QString& referenceNo = {});
};

// The text of a line edit on a form, by its object name, and typing into it.
QString FieldText(const QWidget& form, const char* objectName);
void TypeInto(QWidget& form, const char* objectName, const QString& text);
