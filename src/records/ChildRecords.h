#pragma once

#include "records/DbDate.h"

#include <QString>
#include <optional>

class EnrollmentTable;

// One child's enrollment values, as the Child Center's form shows and edits them.
struct ChildInfo
{
    QString childName;
    QString referenceNo;
    DbDate birthday;
    DbDate enrollDate;
    qint32 enrollType = 5;   // days a week
    QString classroom;
    QString mother;
    QString father;
    QString grandParents;
    QString contactNumbers;
    QString email;           // one or more addresses separated by ";"
    QString address;
    QString immunisation;
    QString note;
    double dailyPbg = 0;     // paid by the government, per day

    bool operator==(const ChildInfo& other) const = default;
};

namespace ChildRecords {

// The class folder and the materials folder are not children.
bool IsChildFolderName(const QString& folderName);

// Why a name cannot be a child's (empty when it can): it names the child's folder, and the
// class and materials folders belong to the whole center.
QString NameProblem(const QString& name);
// The most characters a child's name may have: its payments hold no more.
int MaxNameLength();

// Whether two names stand for the same child: surrounding spaces and case do not count,
// as folders whose names differ only so are one folder on many disks.
bool SameChildName(const QString& a, const QString& b);
// The name, as stored, of an enrolled child with the same name as `name`.
std::optional<QString> EnrolledNameLike(EnrollmentTable& set, const QString& name);

// Selects the child's rows and reads the first; nullopt when there is none.
std::optional<ChildInfo> FindChild(EnrollmentTable& set, const QString& name);
// Adds an enrollment row (the reserved columns empty) and closes the set.
void AddChild(EnrollmentTable& set, const ChildInfo& child);
// Rewrites the set's current row (the child last found) and closes the set.
void UpdateChild(EnrollmentTable& set, const ChildInfo& child);
// Gives the child's daily records and payments the child's new name, in one transaction.
void MoveRecordsToName(const QString& from, const QString& to);

// The daily PBG as the form shows it ("%8.2f").
QString PbgText(double value);
// An amount as forms, lists and dialogs read it back: the number the text starts with,
// 0 when it starts with none.
double ParseAmount(const QString& text);

// The child's folder in the photo library and the two photos in it.
QString ChildFolder(const QString& picturesRoot, const QString& name);
QString ChildPhotoPath(const QString& picturesRoot, const QString& name);
QString FamilyPhotoPath(const QString& picturesRoot, const QString& name);

// Copies a chosen photo to its place; an existing file is never replaced.
bool PlacePhoto(const QString& chosen, const QString& target);
// As PlacePhoto, saying why not when it did not (empty when it did): `remedy` follows the
// words for a photo already there.
QString PlacePhotoOrSayWhy(const QString& chosen, const QString& target, const QString& remedy);

} // namespace ChildRecords
