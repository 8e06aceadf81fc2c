#pragma once

#include "canvas/editing/PageDocument.h"
#include "app/MainWindow.h"
#include "photos/view/LibraryTestKit.h"

#include <QDate>
#include <QSqlRecord>
#include <memory>
#include <vector>

class ChildCenterView;
class FamilyCenterView;
class LibraryTree;

// A photo library in a fresh application folder whose pictures root is the program's,
// with the records database read back through a connection of its own.
class RecordViewsTest : public LibraryTest
{
protected:
    RecordViewsTest();

    QString DatabasePath() const { return m_home.FilePath(QStringLiteral("WRN.mdb")); }
    bool DatabaseExists() const { return QFile::exists(DatabasePath()); }

    // Every row of a table in file order; none when there is no database.
    std::vector<QSqlRecord> Rows(const QString& table) const;
    // The ChildName column of the enrollment rows.
    QStringList EnrolledNames() const;
    // Runs a statement on the file (to plant rows the views do not write).
    void Execute(const QString& sql, const QVariantList& values = {}) const;
    void AddDailyRecord(const QString& child, const QDate& date, const QString& note) const;

    // Adds a child through the Child Center's form as a user would: Add, the name and
    // reference number typed, Save.
    static void EnrollChild(ChildCenterView& center, const QString& name,
                            const QString& referenceNo = {});
};

// The real main window over the library, opened once the test's files are in place.
class MainFrameTest : public RecordViewsTest
{
protected:
    ~MainFrameTest() override;

    void OpenFrame();
    LibraryTree& Tree() const;
    ChildCenterView& ChildCenter() const;
    FamilyCenterView& FamilyCenter() const;
    // Selects the folder of that name in the tree, as a click would.
    void Select(const QString& name);
    // As the toolbar shows it once the frame had its turn.
    bool ActionEnabled(int id) const;

    PageDocument m_document;
    std::unique_ptr<MainWindow> m_frame;
};

// The text of a line edit on a form, by its object name, and typing into it.
QString FieldText(const QWidget& form, const char* objectName);
void TypeInto(QWidget& form, const char* objectName, const QString& text);
