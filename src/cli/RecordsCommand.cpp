#include "cli/RecordsCommand.h"

#include "cli/CliArguments.h"
#include "platform/AppFolder.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsMove.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

void Fail(const QString& message)
{
    std::fprintf(stderr, "tendrel-cli create-db: %s\n", qPrintable(message));
}

} // namespace

int CreateDatabaseCommand(const QStringList& arguments)
{
    QString home;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--home") && i + 1 < arguments.size()) {
            home = arguments[++i];
        } else {
            Fail(QStringLiteral("unexpected argument %1\nusage: tendrel-cli create-db "
                                "[--home DIR]").arg(arguments[i]));
            return 2;
        }
    }
    const QString folder = ResolveAppFolder(home);
    const QString path = RecordsDatabase::FilePath(folder);
    const QString shown = QDir::toNativeSeparators(RecordsDatabase::Name(folder));
    RecordsDatabase& database = RecordsDatabase::Shared();
    if (RecordsDatabase::Exists(folder)) {
        // Only looked at: a file of any other kind is not this command's to change.
        try {
            database.Open(path, RecordsDatabase::Access::Read);
            database.CheckTables();
        } catch (const DatabaseError& error) {
            database.Close();
            Fail(QStringLiteral("%1 It was left as it is; move it away to create a new one.")
                     .arg(error.Message()));
            return 1;
        }
        database.Close();
        std::printf("%s already exists; it was left as it is.\n", qPrintable(shown));
        return 0;
    }
    try {
        database.Create(path);
    } catch (const DatabaseError& error) {
        Fail(QStringLiteral("could not create %1: %2").arg(shown, error.Message()));
        return 1;
    }
    database.Close();
    std::printf("Created %s with the child, payment, daily record and staff tables.\n",
                qPrintable(shown));
    return 0;
}

int MoveRecordsCommand(const QStringList& arguments)
{
    const char* usage = "move-records --to postgresql://USER@HOST[:PORT]/DATABASE [--home DIR]";
    const ParsedArguments parsed = Parse(arguments, {"--to", "--home"}, {});
    if (!parsed.problem.isEmpty() || !parsed.words.isEmpty() || !parsed.Has("--to"))
        return Usage(usage, parsed.problem.isEmpty() ? QStringLiteral("--to names the server")
                                                     : parsed.problem);
    const QString path = RecordsDatabase::FilePath(ResolveAppFolder(parsed.Option("--home")));
    try {
        const DatabaseLocation server = DatabaseLocation::FromUrl(parsed.Option("--to"));
        if (!QFileInfo(path).isFile())
            throw DatabaseError(QStringLiteral("there is no records file %1 to move.")
                                    .arg(QDir::toNativeSeparators(path)));
        const auto counts = RecordsMove::CopyFileToServer(path, server);
        std::printf("Copied the records of %s to %s:\n",
                    qPrintable(QDir::toNativeSeparators(path)), qPrintable(server.ShownText()));
        for (const RecordsMove::TableCount& count : counts)
            std::printf("  %-28s %d row(s)\n", qPrintable(count.table), count.rows);
        std::printf("The file was left as it is. Start every seat with --database %s\n",
                    qPrintable(server.Url()));
    } catch (const DatabaseError& error) {
        return ::Fail("move-records", error.Message());
    }
    return 0;
}
