#include "sample/SampleCenter.h"

#include "sample/PageMaterials.h"
#include "sample/SampleNewsletters.h"
#include "sample/SampleScenes.h"
#include "photos/PhotoLibraryLayout.h"
#include "platform/ImageFiles.h"
#include "platform/SettingsStore.h"
#include "records/ChildRecords.h"
#include "records/DailyRecordTable.h"
#include "records/DailyRecords.h"
#include "records/EnrollmentTable.h"
#include "records/PaymentTable.h"
#include "records/RecordsDatabase.h"
#include "records/StaffTable.h"
#include "records/TimeSheetTable.h"
#include "settings/ProgramSettings.h"
#include "settings/ProgramState.h"
#include "staff/StaffRecords.h"
#include "staff/TimeSheet.h"
#include "tuition/WeeklyPayments.h"

#include <QDir>
#include <QFileInfo>
#include <array>

namespace SampleCenter {

namespace {

// Photos keep to a size a camera of a center would give, small enough to make quickly.
const QSize kPhotoSize(1024, 768);
const QSize kPortraitSize(600, 800);
constexpr int kPhotosPerFolder = 12;

struct SampleChild
{
    const char* name;
    int ageMonths;
    int enrolledMonthsAgo;
    int days;
    const char* room;
    const char* mother;
    const char* father;
    double dailyPbg;
    const char* note;
};

const std::array<SampleChild, 8> kChildren{{
    {"Poppy Marsh", 50, 14, 5, "Koalas", "Hanna Marsh", "Peter Marsh", 0, "Loves the sandpit"},
    {"Oscar Fenwick", 44, 9, 3, "Koalas", "Ines Fenwick", "Tom Fenwick", 0, ""},
    {"Lily Okoro", 38, 6, 5, "Wombats", "Ada Okoro", "Sam Okoro", 12.5,
     "Government subsidy from this year"},
    {"Theo Brandvik", 55, 20, 5, "Koalas", "Marit Brandvik", "Jon Brandvik", 0,
     "Allergic to peanuts"},
    {"Isla Moreau", 33, 5, 3, "Wombats", "Claire Moreau", "Luc Moreau", 0, ""},
    {"Finn Castellan", 47, 11, 5, "Koalas", "Rosa Castellan", "Marco Castellan", 0,
     "Naps after lunch"},
    {"Ruby Ashdown", 29, 4, 3, "Wombats", "Kate Ashdown", "Will Ashdown", 0, ""},
    {"Kai Whitlow", 41, 8, 5, "Wombats", "Mia Whitlow", "Ben Whitlow", 0, "Brings his own hat"},
}};

struct SampleStaff
{
    const char* name;
    const char* department;
    const char* position;
    int employedMonthsAgo;
    const char* phone;
};

const std::array<SampleStaff, 3> kStaff{{
    {"Helen Carver", "Office", "Director", 60, "555 0101"},
    {"Sam Ortega", "Koalas", "Teacher", 30, "555 0102"},
    {"June Patel", "Wombats", "Assistant", 12, "555 0103"},
}};

const std::array<const char*, 5> kTeacherNotes{
    "Played happily all day", "Ate all of lunch", "Painted a big sun",
    "Built a tall tower with friends", "Had a good long nap"};
const std::array<const char*, 3> kParentNotes{"Please put on sun cream",
                                              "Grandma collects on Friday", ""};

QString Email(const QString& name)
{
    return QString(name).toLower().replace(QLatin1Char(' '), QLatin1Char('.'))
           + QStringLiteral("@example.org");
}

// A seed that depends only on what is drawn, so a second sample looks the same.
quint32 Seed(const QString& what)
{
    return quint32(qHash(what, 20240601));
}

bool WritePhoto(const QImage& image, const QString& path, QString* problem)
{
    QString error;
    if (ImageFiles::Write(image, path, &error))
        return true;
    *problem = QStringLiteral("could not write %1: %2").arg(QDir::toNativeSeparators(path), error);
    return false;
}

void WriteSettings(const QString& folder)
{
    SettingsStore store(SettingsStore::FolderFile(folder));
    CenterInfo{QStringLiteral("Sunny Hill Child Care"), QStringLiteral("555 0100"),
               QStringLiteral("12 Meadow Lane, Greenfield"), QStringLiteral("Helen Carver"),
               QStringLiteral("www.example.org/sunnyhill")}
        .Save(store);
    TuitionRateTexts rates;
    rates.fullTime = QStringLiteral("64.00");
    rates.partTime = QStringLiteral("70.00");
    rates.extraHour = QStringLiteral("12.00");
    rates.Save(store);
    // The account points at this machine: nothing the sample sends leaves it.
    EmailSettings email;
    email.useEmailService = false;
    email.smtpServer = QStringLiteral("127.0.0.1");
    email.sender = QStringLiteral("office@example.org");
    email.userName = QStringLiteral("office");
    email.password.clear();
    email.ssl = false;
    email.subject = QStringLiteral("Photos from Sunny Hill");
    email.body = QStringLiteral("Here are today's photos of your child.");
    email.Save(store);
}

// The class folder and each child's folder, with a dozen photos of recent days.
bool WritePhotos(const QString& root, const QDate& today, QString* problem)
{
    QStringList folders{QString::fromLatin1(PhotoLibrary::kClassFolder)};
    folders += ChildNames();
    for (int f = 0; f < folders.size(); ++f) {
        const QDir dir(ChildRecords::ChildFolder(root, folders[f]));
        if (!QDir().mkpath(dir.path())) {
            *problem = QStringLiteral("could not make the folder %1").arg(dir.path());
            return false;
        }
        for (int i = 0; i < kPhotosPerFolder; ++i) {
            const int scene = (i + f) % SampleScenes::SceneCount();
            const QString name = SampleScenes::SceneName(scene) + QStringLiteral(".jpg");
            const QImage photo =
                SampleScenes::DrawScene(scene, Seed(folders[f] + name), kPhotoSize);
            if (!WritePhoto(photo, dir.filePath(name), problem))
                return false;
            // Taken on one of the last days, as a camera's photos would be.
            QFile file(dir.filePath(name));
            const QDateTime taken(today.addDays(-2 * i - f % 3), QTime(9 + i % 7, 5 * f));
            if (file.open(QIODevice::ReadWrite))
                file.setFileTime(taken, QFileDevice::FileModificationTime);
        }
    }
    for (const QString& child : ChildNames())
        if (!WritePhoto(SampleScenes::DrawPortrait(Seed(child), kPortraitSize, false),
                        ChildRecords::ChildPhotoPath(root, child), problem)
            || !WritePhoto(SampleScenes::DrawFamily(Seed(child + QStringLiteral(" family")),
                                                    kPhotoSize),
                           ChildRecords::FamilyPhotoPath(root, child), problem))
            return false;
    return true;
}

void EnrollChildren(const QDate& today)
{
    EnrollmentTable set;
    int number = 1;
    for (const SampleChild& sample : kChildren) {
        ChildInfo child;
        child.childName = QString::fromUtf8(sample.name);
        child.referenceNo = QStringLiteral("SH-%1").arg(number++, 3, 10, QLatin1Char('0'));
        child.birthday = DbDate::FromDate(today.addMonths(-sample.ageMonths).addDays(-number * 3));
        child.enrollDate = DbDate::FromDate(today.addMonths(-sample.enrolledMonthsAgo));
        child.enrollType = sample.days;
        child.classroom = QString::fromUtf8(sample.room);
        child.mother = QString::fromUtf8(sample.mother);
        child.father = QString::fromUtf8(sample.father);
        child.contactNumbers = QStringLiteral("555 01%1").arg(20 + number);
        child.email = Email(child.mother);
        child.address = QStringLiteral("%1 Orchard Road, Greenfield").arg(number * 7);
        child.immunisation = QStringLiteral("Up to date");
        child.note = QString::fromUtf8(sample.note);
        child.dailyPbg = sample.dailyPbg;
        ChildRecords::AddChild(set, child);
    }
}

// Every weekday of last month and of this month up to today.
void WriteDailyRecords(const QDate& today)
{
    DailyRecordTable set;
    const QStringList pickups = DailyRecords::PickupChoices();
    const QStringList times = DailyRecords::PickupTimeChoices();
    int turn = 0;
    for (QDate day(today.addMonths(-1).year(), today.addMonths(-1).month(), 1); day <= today;
         day = day.addDays(1)) {
        if (day.dayOfWeek() > 5)
            continue;
        for (const QString& child : ChildNames()) {
            ++turn;
            DailyRecord record;
            record.date = day;
            record.childName = child;
            record.pickup = pickups[turn % pickups.size()];
            record.pickupTime = times[(turn * 7) % times.size()];
            record.note = QString::fromUtf8(kTeacherNotes[turn % kTeacherNotes.size()]);
            record.parentsNote = QString::fromUtf8(kParentNotes[turn % kParentNotes.size()]);
            DailyRecords::AddRecord(set, record);
        }
    }
}

// The weeks of the last three months. Older weeks are paid; of the last two, some are
// still open.
void WritePayments(const QDate& today, const TuitionRates& rates)
{
    EnrollmentTable enrollment;
    PaymentTable payments;
    const QStringList paidWith{QStringLiteral("Cash"), QStringLiteral("Card"),
                               QStringLiteral("Bank transfer")};
    const QDate first(today.addMonths(-2).year(), today.addMonths(-2).month(), 1);
    const TuitionWeek current = TuitionWeek::Holding(today);
    enrollment.Open();
    for (int child = 0; !enrollment.IsEOF(); enrollment.MoveNext(), ++child) {
        for (TuitionWeek week = TuitionWeek::Holding(first); week.start <= current.start;
             week = TuitionWeek::Holding(week.start.addDays(7))) {
            WeeklyPayment row = WeeklyPayments::NewWeek(enrollment, week, rates);
            const bool open = week.start.daysTo(current.start) < 14 && child % 3 != 1;
            if (!open) {
                PaymentEntry entry;
                entry.paidDate = std::min(week.start.addDays(child % 4), today);
                entry.extraHours = (week.start.weekNumber() + child) % 5 == 0 ? 1 : 0;
                entry.discount = child == 5 ? 10 : 0;
                entry.paidBy = paidWith[child % paidWith.size()];
                entry.pbp = row.weeklyFee + entry.extraHours * rates.extraHour - entry.discount
                            - row.weeklyPbg;
                row = WeeklyPayments::Entered(row, entry, rates);
            }
            WeeklyPayments::AddRow(payments, row);
        }
    }
    enrollment.Close();
}

// Each member's months of this year so far, with some leave.
void WriteStaff(const QString& programDir, const QDate& today, QString* problem)
{
    StaffTable staff;
    TimeSheetTable sheets;
    QDir().mkpath(QDir(programDir).filePath(QStringLiteral("staff")));
    for (std::size_t m = 0; m < kStaff.size(); ++m) {
        const SampleStaff& sample = kStaff[m];
        StaffInfo info;
        info.name = QString::fromUtf8(sample.name);
        info.department = QString::fromUtf8(sample.department);
        info.position = QString::fromUtf8(sample.position);
        info.employedDate = DbDate::FromDate(today.addMonths(-sample.employedMonthsAgo));
        info.phone = QString::fromUtf8(sample.phone);
        info.email = Email(info.name);
        info.address = QStringLiteral("%1 Hill Street, Greenfield").arg(m * 11 + 3);
        StaffRecords::AddStaff(staff, info);
        WritePhoto(SampleScenes::DrawPortrait(Seed(info.name), kPortraitSize, true),
                   StaffRecords::PhotoPath(programDir, info.name), problem);

        for (int number = 1; number <= today.month(); ++number) {
            const TimeSheet::YearMonth month{today.year(), number};
            TimeSheet::MonthPlan plan;
            plan.weekdays = {true, true, true, true, true};
            plan.weekdays[m + 1] = m == 0 || number % 2 == 0;   // some work part time
            const int leaveDay = 3 + int(m) * 5 + number % 7;
            plan.annual = {TimeSheet::DayKey(month.year, number, leaveDay)};
            if ((number + int(m)) % (int(m) + 2) == 0)
                plan.annual << TimeSheet::DayKey(month.year, number, leaveDay + 1);
            if ((number + 2 * int(m)) % 5 == 0)
                plan.sick = {TimeSheet::DayKey(month.year, number, leaveDay + 7)};
            if (number == today.month())
                plan.note = QStringLiteral("Staff meeting on Friday");
            TimeSheet::WriteMonth(sheets, info.name,
                                  {month, TimeSheet::DaysOf(month, plan), plan.note});
        }
    }
}

bool HoldsChildFolders(const QString& root)
{
    const QStringList folders = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return std::any_of(folders.begin(), folders.end(), ChildRecords::IsChildFolderName);
}

} // namespace

QStringList ChildNames()
{
    QStringList names;
    for (const SampleChild& child : kChildren)
        names.append(QString::fromUtf8(child.name));
    return names;
}

QString NewsletterFolder(const QString& folder)
{
    // In the class folder, where the library's tree shows them.
    return QDir(PhotoLibrary::DefaultRoot(folder)).filePath(QString::fromLatin1(PhotoLibrary::kClassFolder));
}

QString WhyNotHere(const QString& folder)
{
    const QString shown = QDir::toNativeSeparators(folder);
    if (RecordsDatabase::Exists(folder))
        return QStringLiteral("%1 holds a records database already").arg(shown);
    if (QFileInfo::exists(SettingsStore::FolderFile(folder)))
        return QStringLiteral("%1 holds a settings file already").arg(shown);
    if (HoldsChildFolders(PhotoLibrary::DefaultRoot(folder)))
        return QStringLiteral("%1 holds children's folders already").arg(shown);
    return {};
}

QString Make(const QString& folder, const QDate& today)
{
    if (QString why = WhyNotHere(folder); !why.isEmpty())
        return why;
    if (!QDir().mkpath(folder))
        return QStringLiteral("could not make the folder %1").arg(folder);
    const QString root = PhotoLibrary::DefaultRoot(folder);
    const QString materials = PhotoLibrary::MaterialsFolder(root);
    QString problem;
    if (!PhotoLibrary::EnsureStandardFolders(root) || !PageMaterials::GiveOnFirstUse(materials))
        return QStringLiteral("could not write the page materials in %1").arg(materials);
    if (!WritePhotos(root, today, &problem))
        return problem;

    ProgramState& program = Program();
    program.programDir = folder;
    program.picturesRoot = root;
    WriteSettings(folder);
    try {
        RecordsDatabase& database = RecordsDatabase::Shared();
        database.Create(RecordsDatabase::FilePath(folder));
        const TuitionRates rates = TuitionRates::FromTexts(
            TuitionRateTexts::Load(SettingsStore(SettingsStore::FolderFile(folder))));
        // One transaction: all the records or none, written at once rather than row by row.
        database.InTransaction([&] {
            EnrollChildren(today);
            WriteDailyRecords(today);
            WritePayments(today, rates);
            WriteStaff(folder, today, &problem);
        });
        database.Close();
    } catch (const DatabaseError& error) {
        return QStringLiteral("could not write the records: %1").arg(error.Message());
    }
    if (!problem.isEmpty())
        return problem;
    return SampleNewsletters::Write(NewsletterFolder(folder), root, today);
}

} // namespace SampleCenter
