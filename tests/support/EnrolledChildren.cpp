#include "support/EnrolledChildren.h"

#include "records/ChildRecords.h"
#include "records/EnrollmentTable.h"
#include "records/RecordsDatabase.h"

void Enroll(const QString& name, int days, double dailyPbg, const QString& email)
{
    EnsureRecordsDatabase();
    ChildInfo child;
    child.childName = name;
    child.enrollType = days;
    child.dailyPbg = dailyPbg;
    child.email = email;
    EnrollmentTable set;
    ChildRecords::AddChild(set, child);
}
