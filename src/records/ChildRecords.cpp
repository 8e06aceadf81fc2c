#include "records/ChildRecords.h"

#include "photos/LibraryFiles.h"
#include "photos/PhotoLibraryLayout.h"
#include "platform/ImageFiles.h"
#include "records/DailyRecordTable.h"
#include "records/EnrollmentTable.h"
#include "records/PaymentTable.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsSchema.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace ChildRecords {

namespace {

ChildInfo ReadChild(const EnrollmentTable& set)
{
    ChildInfo child;
    child.childName = set.m_ChildName;
    child.referenceNo = set.m_ChildRefrenceNo;
    child.birthday = set.m_Birthday;
    child.enrollDate = set.m_EnrollDate;
    child.enrollType = set.m_EnrollType;
    child.classroom = set.m_Class;
    child.mother = set.m_Mother;
    child.father = set.m_Father;
    child.grandParents = set.m_GrandParents;
    child.contactNumbers = set.m_ContactNumber;
    child.email = set.m_Email;
    child.address = set.m_Address;
    child.immunisation = set.m_Immunisation;
    child.note = set.m_Note;
    child.dailyPbg = set.m_PayFromGovernment;
    return child;
}

// The reserved columns are left as the set holds them.
void WriteChild(EnrollmentTable& set, const ChildInfo& child)
{
    set.m_ChildName = child.childName;
    set.m_ChildRefrenceNo = child.referenceNo;
    set.m_Birthday = child.birthday;
    set.m_EnrollDate = child.enrollDate;
    set.m_EnrollType = child.enrollType;
    set.m_Class = child.classroom;
    set.m_Mother = child.mother;
    set.m_Father = child.father;
    set.m_GrandParents = child.grandParents;
    set.m_ContactNumber = child.contactNumbers;
    set.m_Email = child.email;
    set.m_Address = child.address;
    set.m_Immunisation = child.immunisation;
    set.m_Note = child.note;
    set.m_PayFromGovernment = child.dailyPbg;
}

} // namespace

bool IsChildFolderName(const QString& folderName)
{
    return folderName != QLatin1String(PhotoLibrary::kClassFolder)
           && folderName != QLatin1String(PhotoLibrary::kMaterialsFolder);
}

QString NameProblem(const QString& name)
{
    if (!name.isEmpty() && !IsChildFolderName(name))
        return QStringLiteral("%1 is a folder of the whole center. Please choose another name.")
            .arg(name);
    return LibraryFiles::NameProblem(name);
}

int MaxNameLength()
{
    int most = 0;
    for (const char* table : {RecordsSchema::kChildEnrollment, RecordsSchema::kChildPayment,
                              RecordsSchema::kChildDailyRecord}) {
        const int size = RecordsSchema::Table(table).Field(QStringLiteral("ChildName"))->size;
        most = most == 0 ? size : std::min(most, size);
    }
    return most;
}

bool SameChildName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

std::optional<QString> EnrolledNameLike(EnrollmentTable& set, const QString& name)
{
    set.SelectChild(QString());
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) {
        if (SameChildName(set.m_ChildName, name))
            return set.m_ChildName;
    }
    return std::nullopt;
}

std::optional<ChildInfo> FindChild(EnrollmentTable& set, const QString& name)
{
    // Only the name's own rows: a folder named "All" is no list of every child.
    if (!set.SelectNamed(name))
        return std::nullopt;
    return ReadChild(set);
}

void AddChild(EnrollmentTable& set, const ChildInfo& child)
{
    if (!set.IsOpen())
        set.Open();
    set.AddNew();
    WriteChild(set, child);
    set.Update();
    set.Close();
}

void UpdateChild(EnrollmentTable& set, const ChildInfo& child)
{
    if (!set.IsOpen())
        set.Open();
    set.Edit();
    WriteChild(set, child);
    set.Update();
    set.Close();
}

namespace {

template <typename Table>
void Rename(Table& rows, const QString& from, const QString& to)
{
    rows.SelectChild(from);
    for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
        rows.Edit();
        rows.m_ChildName = to;
        rows.Update();
    }
    rows.Close();
}

} // namespace

void MoveRecordsToName(const QString& from, const QString& to)
{
    // An empty name or the class folder's would select every child's rows.
    if (from == to || from.isEmpty() || !IsChildFolderName(from))
        return;
    DailyRecordTable daily;
    PaymentTable payments;
    RecordsDatabase::Shared().InTransaction([&] {
        Rename(daily, from, to);
        Rename(payments, from, to);
    });
}

QString PbgText(double value)
{
    return QString::asprintf("%8.2f", value);
}

double ParseAmount(const QString& text)
{
    // The number the text starts with, read the same way whatever the user's locale.
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const double value = match.captured(0).trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

QString ChildFolder(const QString& picturesRoot, const QString& name)
{
    return QDir(picturesRoot).filePath(name);
}

QString ChildPhotoPath(const QString& picturesRoot, const QString& name)
{
    return QDir(ChildFolder(picturesRoot, name)).filePath(name + QLatin1String(".jpg"));
}

QString FamilyPhotoPath(const QString& picturesRoot, const QString& name)
{
    return QDir(ChildFolder(picturesRoot, name)).filePath(name + QLatin1String("_Family.jpg"));
}

bool PlacePhoto(const QString& chosen, const QString& target)
{
    if (chosen.isEmpty() || QFileInfo::exists(target))
        return false;
    QDir().mkpath(QFileInfo(target).absolutePath());
    return LibraryFiles::CopyFile(chosen, target, false);
}

QString PlacePhotoOrSayWhy(const QString& chosen, const QString& target, const QString& remedy)
{
    // A file that shows no picture would take the photo's place for good, unseen.
    if (!chosen.isEmpty() && ImageFiles::Read(chosen, {.fitSide = 64}).isNull())
        return QStringLiteral("%1 is not a picture that can be shown; nothing was copied.")
            .arg(QDir::toNativeSeparators(chosen));
    if (PlacePhoto(chosen, target))
        return {};
    const QString place = QDir::toNativeSeparators(target);
    if (QFileInfo::exists(target))
        return QStringLiteral("%1 is already there and was not replaced.%2").arg(place, remedy);
    return QStringLiteral("The photo could not be copied to %1.").arg(place);
}

} // namespace ChildRecords
