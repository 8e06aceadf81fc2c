#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/objects/WrnDocument.h"
#include "canvas/objects/PhotoObject.h"
#include "records/RecordsSchema.h"
#include "support/PdfTools.h"
#include "support/DatabaseFile.h"
#include "support/RecordsEngines.h"
#include "support/ExifJpeg.h"
#include "support/HostileFiles.h"
#include "support/PictureFiles.h"
#include "support/PixelProbes.h"
#include "support/LocalSmtpServer.h"
#include "support/ProgramRuns.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <array>

namespace {

// A desktop with an empty configuration of its own and no real display.
class ProgramsTest : public ::testing::Test
{
protected:
    ProgramsTest()
    {
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        m_environment.remove(QStringLiteral("TENDREL_HOME"));
    }

    ProgramRun Cli(const QStringList& arguments) const
    {
        return RunProgram("tendrel-cli", arguments, m_environment);
    }
    ProgramRun WeekCheck(const QString& today, const QString& home) const
    {
        return Cli({"week-check", "--today", today, "--home", home});
    }
    // A child's statement of March 2024, as JSON or drawn into `output`.
    ProgramRun Statement(const QString& child, const QString& output = {}) const
    {
        QStringList arguments{"statement", "--child", child, "--year", "2024", "--month", "3",
                              "--home", m_home.path()};
        arguments << (output.isEmpty() ? QStringLiteral("--json") : output);
        return Cli(arguments);
    }

    // The programs' settings file under the test's own configuration.
    QString SettingsFile() const
    {
        return QDir(m_config.path()).filePath(QStringLiteral("Tendrel 1.0/Tendrel V1.0.conf"));
    }
    QString StoredSetting(const QString& key) const
    {
        return QSettings(SettingsFile(), QSettings::IniFormat).value(key).toString();
    }

    // `objects` saved by the program's own writer as the page `name`.wrn of `size`.
    QString SavePage(const QString& name, const QSize& size, const ObjectList& objects) const
    {
        const QString path = m_home.filePath(name + QStringLiteral(".wrn"));
        WrnPage page;
        page.width = size.width();
        page.height = size.height();
        EXPECT_TRUE(SaveDocument(path, page, objects));
        return path;
    }
    // The same drawn by render into a PNG; null when either step failed.
    QImage Rendered(const QString& name, const QSize& size, const ObjectList& objects) const
    {
        const QString out = m_home.filePath(name + QStringLiteral(".png"));
        const ProgramRun run = Cli({"render", SavePage(name, size, objects), out});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return run.exitCode == 0 ? QImage(out) : QImage();
    }
    // page.wrn of 400 x 500 with a red square on it and a line.
    QString SamplePage() const
    {
        ObjectList objects;
        auto square = std::make_unique<ShapeObject>(PageRect{140, 140, 340, 340}, 2, 1, 0,
                                                    Rgb(0, 0, 0), Rgb(255, 0, 0));
        square->m_bFill = 1;
        square->m_nFillType = 1;
        square->m_bSelected = 1; // never drawn into a file
        objects.push_back(std::move(square));
        objects.push_back(std::make_unique<CurveObject>(QList<QPoint>{{10, 50}, {200, 50}}, 1, 3, 0, 0));
        return SavePage(QStringLiteral("page"), {400, 500}, objects);
    }

    QTemporaryDir m_config;
    QTemporaryDir m_home;
    QProcessEnvironment m_environment;
};

TEST_F(ProgramsTest, BothProgramsExplainThemselvesAndRefuseMistakesWritingNothing)
{
    const struct
    {
        const char* program;
        QStringList arguments;   // HOME stands for the test's folder
        int exitCode;
        const char* said;        // on the error stream of a failed run, else on either
    } runs[] = {{"tendrel", {"--help"}, 0, "--quit-after-start"},
                {"tendrel", {"--wrong"}, 2, "--wrong"},
                {"tendrel-cli", {"--version"}, 0, "tendrel-cli 1.0"},
                {"tendrel-cli", {}, 2, ""},
                {"tendrel-cli", {"dump", "HOME/none.wrn"}, 1, "none.wrn"},
                {"tendrel-cli", {"photo", "HOME/none.bmp", "HOME/never.png", "gray"}, 1, ""},
                {"tendrel-cli", {"photo", "HOME/in.bmp", "HOME/never.png", "opacity=300"}, 2, "opacity"},
                {"tendrel-cli", {"photo", "HOME/in.bmp", "HOME/never.png"}, 2, "at least one operation"},
                {"tendrel-cli", {"photo", "HOME/in.bmp", "HOME/x.xyz", "gray"}, 2, "x.xyz"},
                {"tendrel-cli", {"render", "HOME/page.wrn", "HOME/page.xyz"}, 1,
                 "\".xyz\" files; use png, jpg, bmp, gif, tif, webp"},
                {"tendrel-cli", {"render", "HOME/page.wrn", "HOME/page"}, 1,
                 "OUT needs an extension: png, jpg"},
                {"tendrel-cli", {"create-db", "--homes"}, 2, ""},
                {"tendrel-cli", {"statement", "--child", "Ann", "--month", "13"}, 2, ""},
                {"tendrel-cli", {"send", "--subject", "Hi"}, 2, "Please input recipient!"},
                {"tendrel-cli", {"send", "--to", "a@example.org", "--subject"}, 2, "needs a value"},
                {"tendrel-cli", {"send-daily", "--now", "noon"}, 2, "noon"}};
    for (const auto& expected : runs) {
        QStringList arguments = expected.arguments;
        arguments.replaceInStrings(QStringLiteral("HOME"), m_home.path());
        SCOPED_TRACE(expected.program + (u' ' + arguments.join(u' ')).toStdString());
        const ProgramRun run = RunProgram(expected.program, arguments, m_environment);
        EXPECT_EQ(run.exitCode, expected.exitCode);
        EXPECT_TRUE((expected.exitCode == 0 ? run.out + run.err : run.err)
                        .contains(QLatin1String(expected.said))) << run.err.toStdString();
    }
    EXPECT_TRUE(QDir(m_home.path()).isEmpty());
}

TEST_F(ProgramsTest, StartsPaintsAndQuitsLeavingTheLibraryOrWithoutADisplaySaysHowToStart)
{
    // Started on the test's folder, and closed once it has painted.
    const ProgramRun run = RunProgram(
        "tendrel", {"--home", m_home.path(), "--no-splash", "--quit-after-start"}, m_environment);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QDir(m_home.filePath(QStringLiteral("Pictures/AAA"))).exists());
    EXPECT_TRUE(QDir(m_home.filePath(QStringLiteral("Pictures/ZZZ"))).exists());

    QProcessEnvironment bare = m_environment;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        bare.remove(QLatin1String(name));
    EXPECT_TRUE(EndedSaying(RunProgram("tendrel", {QStringLiteral("--home"), m_home.path()}, bare), 1,
                            QStringLiteral("xvfb-run")));
}

TEST_F(ProgramsTest, RenderDrawsThePageIntoEveryFormat)
{
    const QString path = SamplePage();
    for (const char* suffix : {"png", "jpg", "bmp", "gif", "tif", "webp"}) {
        SCOPED_TRACE(suffix);
        const QString out = m_home.filePath(QStringLiteral("page.") + QLatin1String(suffix));
        const ProgramRun run = Cli({"render", path, out});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QImage image(out);
        ASSERT_EQ(image.size(), QSize(400, 500));
        EXPECT_TRUE(ColorsNear(image.pixelColor(200, 200), QColor(255, 0, 0), 23));
        EXPECT_TRUE(ColorsNear(image.pixelColor(350, 450), Qt::white, 23));
        // The page starts 40 units into the document: the line at 50 is 10 down.
        EXPECT_TRUE(ColorsNear(image.pixelColor(100, 10), Qt::black, 23));
        // No selection handle in a file.
        EXPECT_TRUE(ColorsNear(image.pixelColor(103, 103), QColor(255, 0, 0), 23));
    }

    const QString pdf = m_home.filePath(QStringLiteral("page.pdf"));
    ASSERT_EQ(Cli({"render", path, pdf}).exitCode, 0);
    EXPECT_EQ(PdfTools::PageSize(pdf), QSizeF(300, 375)); // 96 page units to the inch
}

TEST_F(ProgramsTest, DumpPrintsTheStoredFieldsAsJsonAndFilesThatAreNotPagesAreRefused)
{
    const ProgramRun dump = Cli({"dump", SamplePage()});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    EXPECT_TRUE(dump.err.isEmpty()) << dump.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(dump.out.toUtf8()).object();
    EXPECT_EQ(json[QStringLiteral("pageWidth")].toInt(), 400);
    const QJsonArray objects = json[QStringLiteral("objects")].toArray();
    ASSERT_EQ(objects.size(), 2);
    EXPECT_EQ(objects[0].toObject()[QStringLiteral("m_crFill")].toInteger(), 0xFF);
    EXPECT_EQ(objects[1].toObject()[QStringLiteral("m_rect")].toArray(), (QJsonArray{5, 45, 205, 55}));

    const auto write = [&](const char* name, const QByteArray& bytes) {
        return WriteBytes(m_home.filePath(QLatin1String(name)), bytes);
    };
    const ProgramRun blank = Cli({"dump", write("empty.wrn", {})});
    EXPECT_EQ(blank.exitCode, 0);
    EXPECT_TRUE(QJsonDocument::fromJson(blank.out.toUtf8())[QStringLiteral("objects")].toArray().isEmpty());

    const auto run = [&](const char* command, const QString& page) {
        QStringList arguments{QLatin1String(command), page};
        if (QLatin1String(command) == QLatin1String("render"))
            arguments << m_home.filePath(QStringLiteral("out.png"));
        return Cli(arguments);
    };
    const QByteArray page = BytesOf(m_home.filePath(QStringLiteral("page.wrn")));
    const QString photo = write("photo.wrn", ExifJpeg::Photo(HostileFiles::RedBlueHalves(300, 200), 1));
    const QString stub = write("stub.wrn", page.left(40));
    const QString cut = write("cut.wrn", page.chopped(10));
    NamedPipe pipe(m_home.filePath(QStringLiteral("pipe.wrn")));
    ASSERT_TRUE(pipe.IsMade());

    for (const char* command : {"dump", "render"}) {
        SCOPED_TRACE(command);
        EXPECT_TRUE(EndedSaying(run(command, photo), 1, QStringLiteral("is not a page")));
        EXPECT_TRUE(EndedSaying(run(command, stub), 1, QStringLiteral("too short")));
        EXPECT_EQ(run(command, pipe.Path()).exitCode, 1);
        EXPECT_FALSE(QFile::exists(m_home.filePath(QStringLiteral("out.png"))));
        EXPECT_TRUE(EndedSaying(run(command, cut), 0,
                                QStringLiteral("only its first object could be read")));
    }
}

TEST_F(ProgramsTest, PhotosFromCamerasStandUprightAndPipesAreNotWaitedOn)
{
    const QString camera = m_home.filePath(QStringLiteral("camera.jpg"));
    ASSERT_FALSE(HostileFiles::WriteTurnedCameraPhoto(camera).isEmpty());
    NamedPipe pipe(m_home.filePath(QStringLiteral("pipe.jpg")));
    ASSERT_TRUE(pipe.IsMade());

    const QString turned = m_home.filePath(QStringLiteral("turned.png"));
    const ProgramRun run = Cli({"photo", camera, turned, "gray"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(turned).size(), QSize(40, 80));
    EXPECT_EQ(Cli({"photo", pipe.Path(), turned, "gray"}).exitCode, 1);

    // On a page, the pipe is an empty frame and the page is drawn without waiting on it.
    ObjectList objects;
    for (const QString& path : {camera, pipe.Path()}) {
        auto photo = std::make_unique<PhotoObject>();
        photo->SetPath(path);
        photo->m_rect = objects.empty() ? PageRect{40, 40, 80, 120} : PageRect{90, 40, 130, 120};
        objects.push_back(std::move(photo));
    }
    EXPECT_FALSE(Rendered(QStringLiteral("camera"), QSize(100, 100), objects).isNull());
}

TEST_F(ProgramsTest, RenderTakesTheHolidaysFromTheSettings)
{
    ObjectList objects;
    auto calendar = std::make_unique<CalendarObject>();
    calendar->m_rect = {60, 190, 420, 490};
    calendar->m_nYear = 2026;
    calendar->m_nMonth = 3;
    calendar->m_bFill = 1;
    calendar->m_crHoliday = Rgb(255, 0, 0);
    objects.push_back(std::move(calendar));
    {
        // The user's holidays come from the settings, not the document.
        QSettings stored(SettingsFile(), QSettings::IniFormat);
        stored.setValue(QStringLiteral("SETTING/PUBLICHOLIDAYS"), 1);
        stored.setValue(QStringLiteral("SETTING/PUBLICHOLIDAY_1"), QStringLiteral("2026-03-17"));
    }
    const QImage image = Rendered(QStringLiteral("news"), QSize(400, 500), objects);
    ASSERT_FALSE(image.isNull());
    int reds = 0;
    for (int y = 150; y < 450; ++y)
        for (int x = 20; x < 380; ++x)
            reds += ColorsNear(image.pixelColor(x, y), Qt::red, 55) ? 1 : 0;
    EXPECT_GT(reds, 300);
}

TEST_F(ProgramsTest, PhotoAppliesOperationsInOrder)
{
    const QString in =
        WriteSolidPicture(m_home.filePath(QStringLiteral("in.bmp")), {6, 4}, QColor(200, 100, 0));
    const auto photo = [&](const QString& out, const QStringList& operations) {
        return Cli(QStringList{"photo", in, out} + operations);
    };

    // More contrast (200 → 207, 100 → 97, 0 → 0), then gray: (207 + 97 + 0) / 3.
    const QString gray = m_home.filePath(QStringLiteral("gray.png"));
    ProgramRun run = photo(gray, {QStringLiteral("more-contrast"), QStringLiteral("gray"),
                               QStringLiteral("rotate-left")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QImage out(gray);
    EXPECT_EQ(out.size(), QSize(4, 6));
    EXPECT_EQ(out.pixelColor(1, 1), QColor(101, 101, 101));
    EXPECT_FALSE(out.hasAlphaChannel()); // 24 bits stay 24 bits

    const QString faded = m_home.filePath(QStringLiteral("faded.png"));
    run = photo(faded, {QStringLiteral("opacity=128"), QStringLiteral("resize=3x2"),
                        QStringLiteral("balance=1,1,1"), QStringLiteral("torn-edge=7")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    out = QImage(faded);
    EXPECT_EQ(out.size(), QSize(3, 2));
    EXPECT_TRUE(out.hasAlphaChannel());
}

} // namespace

TEST_F(ProgramsTest, RecordsGoWhereTheDesktopProgramKeepsThemAndNeverIntoTheFileInstead)
{
    const std::pair<const char*, const char*> stored[] = {
        {"postgresql://office@127.0.0.1:1/wrn", "cannot be reached"},
        {"mysql://office@db/wrn", "stored records address cannot be used"}};
    for (const auto& [url, why] : stored) {
        QSettings(SettingsFile(), QSettings::IniFormat).setValue(QStringLiteral("DATABASE/URL"), QLatin1String(url));
        const ProgramRun run = Cli({"create-db", "--home", m_home.path()});
        EXPECT_NE(run.exitCode, 0) << url;
        EXPECT_TRUE(run.err.contains(QLatin1String(why))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(m_home.filePath(QStringLiteral("WRN.mdb"))));
}

TEST_F(ProgramsTest, CreateDbMakesTheRecordsOnceWeekCheckEachWeekOnceAndStatementAddsItUp)
{
    const QString home = m_home.path();
    EXPECT_EQ(WeekCheck("2024-02-28", home).exitCode, 0);   // no records yet: nothing to do
    EXPECT_EQ(StoredSetting(QStringLiteral("SETTING/WEEKSTART")), QString());

    // create-db makes the records file once and keeps it afterwards.
    const ProgramRun created = Cli({"create-db", "--home", home});
    ASSERT_EQ(created.exitCode, 0) << created.err.toStdString();
    const QString database = m_home.filePath(QStringLiteral("WRN.mdb"));
    EXPECT_TRUE(BytesOf(database).startsWith("SQLite format 3"));
    const QDateTime written = QFileInfo(database).lastModified();
    EXPECT_EQ(Cli({"create-db", "--home", home}).exitCode, 0);
    EXPECT_EQ(QFileInfo(database).lastModified(), written);
    QueryDatabaseFile(database, QStringLiteral(
        "INSERT INTO ChildEnrollmentInformation (ChildName, EnrollType, PayFromGovernment) "
        "VALUES ('Ann', 3, 10), ('Ben', 5, 0)"));
    for (const char* today : {"2024-02-28", "2024-03-03", "2024-03-06", "2024-04-01"})
        EXPECT_EQ(WeekCheck(QLatin1String(today), home).exitCode, 0) << today;
    EXPECT_EQ(StoredSetting(QStringLiteral("SETTING/WEEKSTART")), QStringLiteral("2024- 4- 1"));
    EXPECT_EQ(QueryDatabaseFile(database, QStringLiteral("SELECT * FROM ChildPaymentInformation"))
                  .size(), 6u);
    EXPECT_EQ(WeekCheck("2024-04-07", home).out,
              QStringLiteral("The rows of the week 2024-04-01 to 2024-04-07 were made already; "
                             "nothing was added.\n"));

    const ProgramRun march = Statement(QStringLiteral("Ann"));
    ASSERT_EQ(march.exitCode, 0) << march.err.toStdString();
    const QJsonObject statement = QJsonDocument::fromJson(march.out.toUtf8()).object();
    ASSERT_EQ(statement[QStringLiteral("rows")].toArray().size(), 1);
    const QJsonObject firstRow = statement[QStringLiteral("rows")].toArray()[0].toObject();
    EXPECT_EQ(firstRow[QStringLiteral("weekStart")], QStringLiteral("2024-03-04"));
    EXPECT_NEAR(statement[QStringLiteral("totalDue")].toDouble(), 357.96, 1e-9);

    // Drawn alone: a picture, and a PDF.
    for (const char* name : {"march.png", "march.pdf"}) {
        const ProgramRun drawn = Statement(QStringLiteral("Ann"), m_home.filePath(name));
        EXPECT_EQ(drawn.exitCode, 0) << drawn.err.toStdString();
    }
    EXPECT_FALSE(QImage(m_home.filePath(QStringLiteral("march.png"))).isNull());
    EXPECT_TRUE(PdfTools::Text(m_home.filePath(QStringLiteral("march.pdf"))).contains("Ann"));
}

namespace {

// The application folders of the records tests: each with WRN.mdb, the settings shared.
class RecordsProgramsTest : public ProgramsTest
{
protected:
    QString Database(const QTemporaryDir& home) const
    {
        return home.filePath(QStringLiteral("WRN.mdb"));
    }
    void CreateWithChildren(const QTemporaryDir& home, int children) const
    {
        ASSERT_EQ(Cli({"create-db", "--home", home.path()}).exitCode, 0);
        for (int child = 1; child <= children; ++child)
            QueryDatabaseFile(Database(home), QStringLiteral(
                "INSERT INTO ChildEnrollmentInformation (ChildName, EnrollType) VALUES (?, 5)"),
                {QStringLiteral("Child %1").arg(child)});
    }
    // How many rows each child has in each week, as "count" per (child, week start).
    std::vector<QSqlRecord> RowsPerChildAndWeek(const QTemporaryDir& home) const
    {
        return QueryDatabaseFile(Database(home), QStringLiteral(
            "SELECT ChildName, WeekStart, count(*) AS count FROM ChildPaymentInformation "
            "GROUP BY ChildName, WeekStart"));
    }
};

} // namespace

TEST_F(RecordsProgramsTest, WeekChecksAtOnceOrInOtherFoldersChargeEachChildOncePerStorableWeek)
{
    constexpr int kChildren = 8;
    CreateWithChildren(m_home, kChildren);
    const QStringList mondays{"2024-03-04", "2024-03-11", "2024-04-08"};
    for (const QString& monday : mondays) {
        // Two checks started together, as two scheduled jobs or a job and the program.
        std::array<QProcess, 2> checks;
        for (QProcess& check : checks) {
            check.setProcessEnvironment(m_environment);
            check.start(ProgramPath("tendrel-cli"),
                        {"week-check", "--today", monday, "--home", m_home.path()});
        }
        for (QProcess& check : checks) {
            ASSERT_TRUE(check.waitForFinished(60000));
            EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().toStdString();
        }
    }
    const std::vector<QSqlRecord> rows = RowsPerChildAndWeek(m_home);
    EXPECT_EQ(rows.size(), size_t(kChildren * mondays.size()));
    for (const QSqlRecord& row : rows)
        EXPECT_EQ(row.value("count").toInt(), 1) << row.value("ChildName").toString().toStdString();

    // The settings noted this week from the first folder; a second folder still gets it.
    QTemporaryDir other;
    CreateWithChildren(other, 2);
    const ProgramRun run = WeekCheck(mondays.back(), other.path());
    EXPECT_EQ(run.out, QStringLiteral("Made 2 row(s) for the week 2024-04-08 to 2024-04-14.\n"));
    EXPECT_EQ(RowsPerChildAndWeek(other).size(), 2u);

    // Weeks the records cannot hold are refused, adding nothing.
    for (const char* today : {"0100-01-01", "9999-12-31"})
        EXPECT_TRUE(EndedSaying(WeekCheck(QLatin1String(today), other.path()), 2,
                                QStringLiteral("100 to 9999")));
    EXPECT_EQ(RowsPerChildAndWeek(other).size(), 2u);
}

TEST_F(RecordsProgramsTest, AStatementIsForOneEnrolledChildAndOnlyReads)
{
    // A database the program did not make: its own journal, no index.
    const QString database = Database(m_home);
    for (const RecordsSchema::TableDef& table : RecordsSchema::Tables())
        QueryDatabaseFile(database, FileTableSql(table.name));
    QueryDatabaseFile(database, QStringLiteral(
        "INSERT INTO ChildEnrollmentInformation (ChildName) VALUES ('Ann'), ('Ben')"));
    QueryDatabaseFile(database, QStringLiteral(
        "INSERT INTO ChildPaymentInformation (WeekStart, ChildName, Debit) VALUES "
        "(45355, 'Ann', 10), (45355, 'Ben', 20)"));   // Monday 4 March 2024
    const QByteArray before = BytesOf(database);

    for (const QString& folder : {QStringLiteral("AAA"), QStringLiteral("ZZZ"), QString()}) {
        const ProgramRun run = Statement(folder);
        EXPECT_EQ(run.exitCode, 2) << folder.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    for (const QString& output : {QString(), m_home.filePath(QStringLiteral("nobody.png"))}) {
        EXPECT_TRUE(EndedSaying(Statement(QStringLiteral("Nobody"), output), 1,
                                QStringLiteral("No child named Nobody is enrolled.")));
    }
    EXPECT_FALSE(QFile::exists(m_home.filePath(QStringLiteral("nobody.png"))));

    const ProgramRun ann = Statement(QStringLiteral("Ann"));
    ASSERT_EQ(ann.exitCode, 0) << ann.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(ann.out.toUtf8())[QStringLiteral("debitOfMonth")], 10);
    EXPECT_EQ(BytesOf(database), before);
}

class BrokenRecordsProgramsTest : public RecordsProgramsTest,
                            public ::testing::WithParamInterface<BrokenDatabase>
{
};

TEST_P(BrokenRecordsProgramsTest, CreateDbAndEveryFormOfStatementSayWhatIsWrongAndFail)
{
    WriteBrokenDatabase(GetParam(), Database(m_home));
    const QByteArray before = BytesOf(Database(m_home));
    const ProgramRun create = Cli({"create-db", "--home", m_home.path()});
    EXPECT_TRUE(EndedSaying(create, 1, QStringLiteral("not a usable records database")));
    EXPECT_TRUE(EndedSaying(create, 1, QLatin1String(GetParam().problem)));
    for (const char* output : {"", "out.png", "out.pdf"}) {
        SCOPED_TRACE(output);
        const QString path = *output ? m_home.filePath(QLatin1String(output)) : QString();
        const ProgramRun run = Statement(QStringLiteral("Ann"), path);
        EXPECT_TRUE(EndedSaying(run, 1, QLatin1String(GetParam().problem)));
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(!path.isEmpty() && QFile::exists(path));
    }
    EXPECT_EQ(BytesOf(Database(m_home)), before);
}

INSTANTIATE_TEST_SUITE_P(Kinds, BrokenRecordsProgramsTest, ::testing::ValuesIn(BrokenDatabases()),
                         BrokenDatabaseName);

namespace {

// The cli's account on a local SMTP server, a child with a photo of today in the
// library, and the daily sending from 13:10.
class MailCommandsTest : public ProgramsTest
{
protected:
    MailCommandsTest()
    {
        m_environment.insert(QStringLiteral("TENDREL_MAIL_CA_FILE"), m_server.CaFile());
        m_environment.insert(QStringLiteral("TENDREL_NO_KEYRING"), QStringLiteral("1"));
        QSettings stored(SettingsFile(), QSettings::IniFormat);
        const MailAccount account = m_server.Account(true);
        const std::pair<const char*, QVariant> values[] = {
            {"SMTPSERVER", account.server}, {"EMAILSENDER", account.sender},
            {"USERNAME", account.userName}, {"PASSWORD", account.password},
            {"STARTHOUR", 13},              {"STARTMINUTE", 10}};
        for (const auto& [key, value] : values)
            stored.setValue(QStringLiteral("EMAILSETTING/") + QLatin1String(key), value);
        stored.sync();
        EXPECT_EQ(Cli({"create-db", "--home", m_home.path()}).exitCode, 0);
        QueryDatabaseFile(m_home.filePath(QStringLiteral("WRN.mdb")),
                          QStringLiteral("INSERT INTO ChildEnrollmentInformation (ChildName, Email) "
                                         "VALUES ('Ann', 'ann@example.org')"));
        for (const char* folder : {"Pictures/Ann", "Pictures/Trip"}) {
            QDir().mkpath(m_home.filePath(QLatin1String(folder)));
            WriteBytes(m_home.filePath(QLatin1String(folder) + QStringLiteral("/today.jpg")), "jpeg");
        }
    }
    ProgramRun SendDaily(const QString& now) const
    {
        return Cli({"send-daily", "--home", m_home.path(), "--now",
                    QDate::currentDate().toString(Qt::ISODate) + QLatin1Char('T') + now});
    }

    LocalSmtpServer m_server;
};

} // namespace

TEST_F(MailCommandsTest, SendDeliversOneMessageAndExitsByWhatHappened)
{
    ASSERT_TRUE(m_server.IsRunning());

    const ProgramRun sent = Cli({"send", "--home", m_home.path(), "--to", "a@example.org; b@example.org",
                              "--subject", "Hi", "--text", "Hello",
                              "--attach", m_home.filePath(QStringLiteral("Pictures/Ann/today.jpg"))});
    EXPECT_EQ(sent.exitCode, 0) << sent.err.toStdString();
    ASSERT_EQ(m_server.MessageCount(), 1);
    EXPECT_EQ(m_server.Received(1)[QLatin1String("attachments")].toArray().size(), 1);

    m_environment.remove(QStringLiteral("TENDREL_MAIL_CA_FILE"));
    EXPECT_TRUE(EndedSaying(Cli({"send", "--home", m_home.path(), "--to", "a@example.org",
                                 "--subject", "Hi"}), 1, "certificate"));
    EXPECT_EQ(m_server.MessageCount(), 1);
}

TEST_F(MailCommandsTest, SendDailyWaitsForTheStartTimeSkipsFoldersWithoutParentsAndRunsOnceADay)
{
    ASSERT_TRUE(m_server.IsRunning());
    EXPECT_TRUE(EndedSaying(SendDaily(QStringLiteral("13:09")), 0, "before the start time"));
    EXPECT_EQ(m_server.MessageCount(), 0);

    const ProgramRun run = SendDaily(QStringLiteral("13:10"));
    EXPECT_TRUE(EndedSaying(run, 0, "Trip was skipped"));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Sent the photos of Ann.")));
    ASSERT_EQ(m_server.MessageCount(), 1);
    EXPECT_EQ(m_server.Received(1)[QLatin1String("header_to")].toString(),
              QStringLiteral("ann@example.org"));

    EXPECT_TRUE(EndedSaying(SendDaily(QStringLiteral("20:00")), 0, "sent already"));
    EXPECT_EQ(m_server.MessageCount(), 1);
}

namespace {

// The records of the programs on a fresh database of the test server.
class ServerProgramsTest : public RecordsProgramsTest
{
protected:
    void SetUp() override
    {
        if (!m_server.SkipReason().isEmpty())
            GTEST_SKIP() << m_server.SkipReason().toStdString();
    }
    QStringList OnServer(const QStringList& arguments) const
    {
        return QStringList{QStringLiteral("--database"), m_server.Location().Url(true)} + arguments;
    }
    std::vector<QSqlRecord> Query(const QString& sql, const QVariantList& values = {}) const
    {
        return QueryRecords(m_server.Location(), QString(), sql, values);
    }
    QString Figures(const char* table, const char* column) const
    {
        const auto rows = Query(QStringLiteral("SELECT count(*), sum(\"%1\") FROM \"%2\"")
                                    .arg(QLatin1String(column), QLatin1String(table)));
        return rows.empty() ? QString()
                            : rows[0].value(0).toString() + QLatin1Char('/') + rows[0].value(1).toString();
    }

    ServerRecords m_server;
};

} // namespace

TEST_F(ServerProgramsTest, TwoSeatsRunningTheWeekCheckAtOnceMakeEachChildsRowOnce)
{
    constexpr int kChildren = 6;
    constexpr int kWeeks = 20;
    ASSERT_EQ(Cli(OnServer({"create-db", "--home", m_home.path()})).exitCode, 0);
    for (int child = 1; child <= kChildren; ++child)
        Query(QStringLiteral("INSERT INTO \"ChildEnrollmentInformation\" (\"ChildName\", "
                             "\"EnrollType\") VALUES (?, 5)"),
              {QStringLiteral("Child %1").arg(child)});
    QTemporaryDir otherSeat;
    QDate monday(2024, 1, 1);
    for (int week = 0; week < kWeeks; ++week, monday = monday.addDays(7)) {
        std::array<QProcess, 2> checks;
        for (size_t seat = 0; seat < checks.size(); ++seat) {
            checks[seat].setProcessEnvironment(m_environment);
            checks[seat].start(ProgramPath("tendrel-cli"),
                               OnServer({"week-check", "--today", monday.toString(Qt::ISODate),
                                         "--home", seat == 0 ? m_home.path() : otherSeat.path()}));
        }
        for (QProcess& check : checks) {
            ASSERT_TRUE(check.waitForFinished(60000));
            EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().toStdString();
        }
    }
    const auto rows = Query(QStringLiteral(
        "SELECT \"ChildName\", count(*) FROM \"ChildPaymentInformation\" "
        "GROUP BY \"ChildName\", \"WeekStart\" HAVING count(*) <> 1"));
    EXPECT_TRUE(rows.empty()) << rows[0].value(0).toString().toStdString();
    EXPECT_EQ(Figures("ChildPaymentInformation", "SessionDays"),
              QStringLiteral("%1/%2").arg(kChildren * kWeeks).arg(kChildren * kWeeks * 5));
}

TEST_F(ServerProgramsTest, MoveRecordsCopiesTheFileIntoAnEmptyDatabaseOnceAndLeavesTheFile)
{
    CreateWithChildren(m_home, 3);
    const QString file = Database(m_home);
    // Two rows of one week, made before a child had one row a week, move as they are.
    QueryDatabaseFile(file, QStringLiteral("DROP INDEX \"ChildPaymentInformation_ByWeek\""));
    QueryDatabaseFile(file, QStringLiteral(
        "INSERT INTO \"ChildPaymentInformation\" (\"WeekStart\", \"ChildName\", \"WeeklyFee\", "
        "\"Debit\", \"PaidDate\") VALUES (45355, 'Child 1', 250.5, 10.25, '2024-03-05'), "
        "(45355, 'Child 1', 0, -3.5, NULL), (45362, 'Child 2', 199.99, 7, ''), "
        "('not a date', 'Child 3', 'abc', 1, '')"));
    QueryDatabaseFile(file, QStringLiteral(
        "INSERT INTO \"EmployeeTimeTable\" (\"Name\", \"Year\", \"Month\", \"Day3\") "
        "VALUES ('Dora', 2024, 3, 'A')"));
    const QByteArray before = BytesOf(file);
    const QStringList move{"move-records", "--to", m_server.Location().Url(true), "--home",
                           m_home.path()};

    const ProgramRun moved = Cli(move);
    ASSERT_EQ(moved.exitCode, 0) << moved.err.toStdString();
    EXPECT_TRUE(moved.out.contains(QRegularExpression(QStringLiteral("ChildPaymentInformation +4 row"))))
        << moved.out.toStdString();
    EXPECT_EQ(BytesOf(file), before);
    EXPECT_EQ(Figures("ChildPaymentInformation", "Debit"), QStringLiteral("4/14.75"));
    EXPECT_EQ(Figures("EmployeeTimeTable", "Year"), QStringLiteral("1/2024"));
    const QStringList statement{"statement", "--child", "Child 1", "--year", "2024", "--month",
                                "3", "--home", m_home.path(), "--json"};
    const ProgramRun fromServer = Cli(OnServer(statement));
    EXPECT_EQ(fromServer.exitCode, 0) << fromServer.err.toStdString();
    EXPECT_EQ(fromServer.out, Cli(statement).out);

    // A database with records is not moved into, and a mistaken address changes nothing.
    EXPECT_TRUE(EndedSaying(Cli(move), 1, QStringLiteral("holds records already")));
    EXPECT_TRUE(EndedSaying(Cli({"move-records", "--to", "postgresql://nobody@/", "--home",
                                 m_home.path()}), 1, QStringLiteral("names no database")));
    EXPECT_TRUE(EndedSaying(Cli({"--database", "mysql://x/y", "create-db"}), 2,
                            QStringLiteral("not a database address")));
    // A server that does not answer fails the week check instead of finding no records.
    EXPECT_TRUE(EndedSaying(Cli({"--database", "postgresql://me@127.0.0.1:1/wrn", "week-check"}),
                            1, QStringLiteral("cannot be reached")));
    EXPECT_EQ(Figures("ChildPaymentInformation", "Debit"), QStringLiteral("4/14.75"));
}
