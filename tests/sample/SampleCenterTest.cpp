#include "canvas/objects/PageRenderer.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/WrnDocument.h"
#include "photos/PhotoFiles.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsSchema.h"
#include "sample/PageMaterials.h"
#include "sample/SampleCenter.h"
#include "support/DatabaseFile.h"
#include "support/ProgramRuns.h"
#include "support/TempHome.h"

#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every file under the folder with its size and time, to see that nothing changed.
QStringList Snapshot(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files << QStringLiteral("%1 %2 %3").arg(info.filePath()).arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}

// One sample center, made once by the command line program, for every test to look at.
class SampleCenterTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_home = new QTemporaryDir;
        s_made = RunProgram("tendrel-cli", {"make-sample", "--home", Home()});
    }
    static void TearDownTestSuite() { delete s_home; }
    static QString Home() { return s_home->filePath(QStringLiteral("center")); }
    static QString Pictures(const QString& folder)
    {
        return QDir(Home()).filePath(QStringLiteral("Pictures/") + folder);
    }

    static QTemporaryDir* s_home;
    static ProgramRun s_made;
};

QTemporaryDir* SampleCenterTest::s_home = nullptr;
ProgramRun SampleCenterTest::s_made;

TEST_F(SampleCenterTest, EveryTableHoldsRowsAndEveryChildAFolderOfPhotos)
{
    ASSERT_TRUE(EndedSaying(s_made, 0, {})) << s_made.err.toStdString();
    const QString database = RecordsDatabase::FilePath(Home());
    for (const RecordsSchema::TableDef& table : RecordsSchema::Tables()) {
        const auto rows = QueryDatabaseFile(database, QStringLiteral("SELECT COUNT(*) FROM \"%1\"")
                                                          .arg(QLatin1String(table.name)));
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_GT(rows[0].value(0).toInt(), 2) << table.name;
    }
    const auto paid = QueryDatabaseFile(
        database, QStringLiteral("SELECT COUNT(*), SUM(COALESCE(PaidDate, '') = ''), "
                                 "SUM(PayFromGovernment > 0) FROM \"%1\"")
                      .arg(QLatin1String(RecordsSchema::kChildPayment)));
    EXPECT_GT(paid[0].value(1).toInt(), 0) << "some weeks are still open";
    EXPECT_LT(paid[0].value(1).toInt(), paid[0].value(0).toInt()) << "some weeks are paid";
    EXPECT_GT(paid[0].value(2).toInt(), 0) << "a child has government pay";

    const QString list = QString::fromLatin1(PhotoFiles::kListExtensions);
    EXPECT_GE(PhotoFiles::ListFolder(Pictures(QStringLiteral("AAA")), list).size(), 12u);
    for (const QString& child : SampleCenter::ChildNames()) {
        EXPECT_GE(PhotoFiles::ListFolder(Pictures(child), list).size(), 14u) << child.toStdString();
        EXPECT_TRUE(QFileInfo::exists(Pictures(child + QLatin1Char('/') + child + ".jpg")));
    }
}

TEST_F(SampleCenterTest, KeepsItsOwnSettingsWhichTheProgramsRead)
{
    const ProgramRun list = RunProgram(
        "tendrel-cli", {"report", "tuition-list", "--year", QString::number(QDate::currentDate().year()),
                        "--month", QString::number(QDate::currentDate().month()), "--home",
                        Home(), "--json"});
    ASSERT_TRUE(EndedSaying(list, 0, {})) << list.err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(list.out.toUtf8()).object();
    EXPECT_EQ(report.value(QStringLiteral("rows")).toArray().size(), 8);
    EXPECT_TRUE(QSettings(QDir(Home()).filePath(QStringLiteral("Tendrel.ini")),
                          QSettings::IniFormat)
                    .value(QStringLiteral("EMAILSETTING/SMTPSERVER"))
                    .toString() == QLatin1String("127.0.0.1"));
}

TEST_F(SampleCenterTest, NewslettersOpenWithEveryPhotoAndDraw)
{
    const QDir folder(SampleCenter::NewsletterFolder(Home()));
    const QStringList pages = folder.entryList({QStringLiteral("*.wrn")});
    ASSERT_EQ(pages.size(), 2);
    for (const QString& name : pages) {
        const auto page = LoadDocument(folder.filePath(name));
        ASSERT_TRUE(page.has_value());
        EXPECT_TRUE(page->Problems(name).isEmpty()) << name.toStdString();
        std::set<int> kinds;
        for (const auto& object : page->objects) {
            kinds.insert(object->m_nType);
            if (const auto* photo = dynamic_cast<const PhotoObject*>(object.get())) {
                EXPECT_TRUE(photo->HasPicture()) << photo->m_strPath.toStdString();
            }
        }
        EXPECT_EQ(kinds.size(), 4u) << "photos, text, a calendar and shapes";
        const QImage drawn = PageRenderer::Render(*page);
        ASSERT_FALSE(drawn.isNull());
        EXPECT_NE(drawn.pixelColor(300, 400), drawn.pixelColor(10, 10));
    }
}

TEST_F(SampleCenterTest, RefusesAFolderHoldingACenterAndChangesNothing)
{
    const QStringList before = Snapshot(Home());
    EXPECT_TRUE(EndedSaying(RunProgram("tendrel-cli", {"make-sample", "--home", Home()}), 1,
                            QStringLiteral("holds a records database already")));
    EXPECT_EQ(Snapshot(Home()), before);

    struct Occupant { const char* path; const char* why; };
    for (const Occupant& occupant : {Occupant{"WRN.mdb", "records database"},
                                     Occupant{"Tendrel.ini", "settings file"},
                                     Occupant{"Pictures/Ann/a.jpg", "children's folders"}}) {
        QTemporaryDir other;
        QDir(other.path()).mkpath(QFileInfo(QLatin1String(occupant.path)).path());
        WriteBytes(other.filePath(QLatin1String(occupant.path)), "mine");
        EXPECT_TRUE(SampleCenter::WhyNotHere(other.path()).contains(QLatin1String(occupant.why)));
        EXPECT_FALSE(SampleCenter::Make(other.path(), QDate(2026, 3, 4)).isEmpty());
        EXPECT_EQ(BytesOf(other.filePath(QLatin1String(occupant.path))), "mine");
    }
}

TEST(PageMaterialsTest, GivesTransparentPicturesOnceAndNeverReplacesAFile)
{
    TempHome home;
    const QDir folder(home.FilePath(QStringLiteral("ZZZ")));
    ASSERT_TRUE(PageMaterials::GiveOnFirstUse(folder.path()));
    const QStringList names = PageMaterials::FileNames();
    ASSERT_GE(names.size(), 30);
    for (const QString& name : names) {
        const QImage picture(folder.filePath(name));
        ASSERT_TRUE(picture.hasAlphaChannel()) << name.toStdString();
        EXPECT_EQ(picture.pixelColor(1, 1).alpha(), 0) << name.toStdString();
    }

    // A material the user deleted stays deleted; one they changed stays theirs.
    QFile::remove(folder.filePath(QStringLiteral("Kite.png")));
    const QString mine = WriteBytes(folder.filePath(QStringLiteral("Sun.png")), "mine");
    EXPECT_TRUE(PageMaterials::GiveOnFirstUse(folder.path()));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("Kite.png"))));
    EXPECT_EQ(PageMaterials::WriteMissing(folder.path()), 1);
    EXPECT_EQ(BytesOf(mine), "mine");

    // A folder of the user's own pictures is not filled.
    const QString own = home.FilePath(QStringLiteral("own"));
    QDir().mkpath(own);
    WriteBytes(QDir(own).filePath(QStringLiteral("mine.jpg")), "mine");
    EXPECT_TRUE(PageMaterials::GiveOnFirstUse(own));
    EXPECT_EQ(QDir(own).entryList(QDir::Files).size(), 1);
}

} // namespace
