#include "RecordViewsTestKit.h"

#include "commands/CommandIds.h"
#include "settings/ProgramState.h"
#include "widgets/ActionRegistry.h"
#include "app/CenterStack.h"
#include "photos/view/LibraryTree.h"
#include "records/view/ChildCenterView.h"
#include "records/view/EnrollmentForm.h"
#include "app/FamilyCenterView.h"
#include "support/DatabaseFile.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

RecordViewsTest::RecordViewsTest()
{
    Program().picturesRoot = Root();
}

std::vector<QSqlRecord> RecordViewsTest::Rows(const QString& table) const
{
    if (!DatabaseExists())
        return {};
    return QueryDatabaseFile(DatabasePath(), QStringLiteral("SELECT * FROM %1 ORDER BY rowid")
                                                 .arg(table));
}

QStringList RecordViewsTest::EnrolledNames() const
{
    QStringList names;
    for (const QSqlRecord& row : Rows(QStringLiteral("ChildEnrollmentInformation")))
        names.append(row.value(QStringLiteral("ChildName")).toString());
    return names;
}

void RecordViewsTest::Execute(const QString& sql, const QVariantList& values) const
{
    QueryDatabaseFile(DatabasePath(), sql, values);
}

void RecordViewsTest::AddDailyRecord(const QString& child, const QDate& date,
                                     const QString& note) const
{
    const double days = QDate(1899, 12, 30).daysTo(date);
    Execute(QStringLiteral("INSERT INTO ChildDailyRecord (\"Index\", \"Date\", ChildName, Note) "
                           "VALUES ((SELECT COUNT(*) + 1 FROM ChildDailyRecord), ?, ?, ?)"),
            {days, child, note});
}

void RecordViewsTest::EnrollChild(ChildCenterView& center, const QString& name,
                                  const QString& referenceNo)
{
    ASSERT_TRUE(center.OnCommand(Cmd::ChildAdd));
    TypeInto(*center.Form(), "childName", name);
    TypeInto(*center.Form(), "referenceNo", referenceNo);
    center.Form()->findChild<QPushButton*>(QStringLiteral("save"))->click();
}

QString FieldText(const QWidget& form, const char* objectName)
{
    const auto* edit = form.findChild<QLineEdit*>(QString::fromLatin1(objectName));
    EXPECT_NE(edit, nullptr) << objectName;
    return edit ? edit->text() : QString();
}

void TypeInto(QWidget& form, const char* objectName, const QString& text)
{
    auto* edit = form.findChild<QLineEdit*>(QString::fromLatin1(objectName));
    ASSERT_NE(edit, nullptr) << objectName;
    edit->selectAll();
    edit->insert(text);
}

MainFrameTest::~MainFrameTest()
{
    m_document.SetModified(false);
    m_frame.reset();
}

void MainFrameTest::OpenFrame()
{
    m_frame = std::make_unique<MainWindow>(m_document);
    m_frame->resize(1200, 800);
    m_frame->show();
    m_frame->SetPicturesRoot(Root(), RecentFolderList::Source::OpenFolderCommand);
}

LibraryTree& MainFrameTest::Tree() const
{
    return *m_frame->Tree();
}

ChildCenterView& MainFrameTest::ChildCenter() const
{
    return *qobject_cast<ChildCenterView*>(m_frame->Container()->View(Center::ChildCenter));
}

FamilyCenterView& MainFrameTest::FamilyCenter() const
{
    return *qobject_cast<FamilyCenterView*>(m_frame->Container()->View(Center::FamilyCenter));
}

void MainFrameTest::Select(const QString& name)
{
    Tree().setCurrentItem(ItemNamed(Tree(), name));
}

bool MainFrameTest::ActionEnabled(int id) const
{
    QCoreApplication::processEvents();
    return m_frame->Actions().Action(id)->isEnabled();
}
