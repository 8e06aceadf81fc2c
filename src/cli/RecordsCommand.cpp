#include "cli/RecordsCommand.h"

#include "platform/AppFolder.h"
#include "records/RecordsDatabase.h"

#include <QDir>
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
    const QString shown = QDir::toNativeSeparators(path);
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
