#include "photos/LibraryFiles.h"

#include "photos/FolderWalk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <vector>

namespace LibraryFiles {

namespace {

// The longest name most disks take, in bytes of the name as stored.
constexpr qsizetype kMaxNameBytes = 255;

bool IsBreakingCharacter(char32_t code)
{
    switch (QChar::category(code)) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// Control characters, line breaks and broken UTF-16 cannot be shown or typed back.
// Other characters Qt calls unprintable (joiners inside emoji, characters newer than
// Qt's tables) are fine in a name.
bool HasUnusableCharacter(const QString& name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            if (IsBreakingCharacter(QChar::surrogateToUcs4(c, name.at(++i))))
                return true;
        } else if (c.isSurrogate() || IsBreakingCharacter(c.unicode())) {
            return true;
        }
    }
    return false;
}

bool Exists(const QFileInfo& entry)
{
    return entry.exists() || entry.isSymLink();
}

// The same file under two names; a target that does not exist yet can only be the
// source by having its path.
bool SameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (Exists(second)) {
        const QString canonical = first.canonicalFilePath();
        return !canonical.isEmpty() && canonical == second.canonicalFilePath();
    }
    return QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath());
}

// Writes the source into `out`, gives it the source's modification time and checks
// that every byte arrived.
bool FillCopy(QFile& source, QFileDevice& out)
{
    std::vector<char> buffer(256 * 1024);
    for (;;) {
        const qint64 got = source.read(buffer.data(), static_cast<qint64>(buffer.size()));
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (out.write(buffer.data(), got) != got)
            return false;
    }
    // The time is set on the open file, so nothing may be written after it.
    if (!out.flush() || out.size() != source.size())
        return false;
    return out.setFileTime(source.fileTime(QFileDevice::FileModificationTime),
                           QFileDevice::FileModificationTime);
}

// A new file is written under a hidden temporary name next to the target, then renamed
// into place only if the name is still free.
bool CopyToNewFile(QFile& source, const QString& to)
{
    QTemporaryFile out(QFileInfo(to).dir().filePath(QStringLiteral(".tendrel-copy-XXXXXX")));
    if (!out.open())
        return false;
    // Temporary files are private; the copy should be as open as the photo was, and
    // writable so that a later replace or delete works even for photos from a CD.
    out.setPermissions(source.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!FillCopy(source, out))
        return false;
    out.setAutoRemove(false);
    if (out.rename(to))
        return true;
    out.remove();
    return false;
}

struct ExportPlan
{
    QStringList folders;                              // relative, parents first
    std::vector<std::pair<QString, QString>> files;   // source path, relative target
};

void PlanExport(const QString& folder, const QString& relative, int depth,
                FolderWalk::Visited& visited, ExportPlan& plan)
{
    if (!visited.Enter(folder, depth))
        return;
    for (const QFileInfo& entry :
         FolderWalk::EntriesByName(folder, QDir::Files | QDir::Dirs)) {
        const QString target = relative.isEmpty() ? entry.fileName()
                                                  : relative + QLatin1Char('/') + entry.fileName();
        if (entry.isDir()) {
            plan.folders.append(target);
            PlanExport(entry.filePath(), target, depth + 1, visited, plan);
        } else {
            plan.files.emplace_back(entry.filePath(), target);
        }
    }
}

} // namespace

QString NameProblem(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Please type a name.");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("A name cannot contain / or \\.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("A name cannot be . or .. alone.");
    if (HasUnusableCharacter(name))
        return QStringLiteral("A name cannot contain control characters or line breaks.");
    if (QFile::encodeName(name).size() > kMaxNameBytes)
        return QStringLiteral("That name is too long. Please choose a shorter one.");
    return {};
}

bool CopyFile(const QString& from, const QString& to, bool replace)
{
    const QFileInfo target(to);
    if (target.isDir() || (!replace && Exists(target)) || SameFile(from, to))
        return false;
    QFile source(from);
    if (!QFileInfo(from).isFile() || !source.open(QIODevice::ReadOnly))
        return false;
    if (!replace)
        return CopyToNewFile(source, to);
    // QSaveFile writes beside the target and renames over it only on commit.
    QSaveFile out(to);
    return out.open(QIODevice::WriteOnly) && FillCopy(source, out) && out.commit();
}

bool MoveFile(const QString& from, const QString& to, bool replace)
{
    if (SameFile(from, to) || !CopyFile(from, to, replace))
        return false;
    if (QFileInfo(to).size() != QFileInfo(from).size())
        return false;
    return QFile::remove(from);
}

bool RenameEntry(const QString& from, const QString& to)
{
    const QFileInfo source(from);
    const QFileInfo target(to);
    if (!Exists(source) || Exists(target) || !NameProblem(target.fileName()).isEmpty())
        return false;
    if (QDir::cleanPath(source.absolutePath()) != QDir::cleanPath(target.absolutePath()))
        return false;
    // Qt's rename never replaces an existing name.
    return QFile::rename(from, to);
}

PasteResult PasteFiles(const QStringList& files, const QString& folder, bool move,
                       bool replace)
{
    PasteResult result;
    for (const QString& file : files) {
        const QString target = QDir(folder).filePath(QFileInfo(file).fileName());
        if (SameFile(file, target) || (!replace && Exists(QFileInfo(target))))
            ++result.skipped;
        else if (move ? MoveFile(file, target, true) : CopyFile(file, target, true))
            ++result.done;
        else
            ++result.failed;
    }
    return result;
}

int ImportPhotos(const QStringList& files, const QString& folder, const Progress& progress)
{
    int copied = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString name = QFileInfo(files.at(i)).fileName();
        if (name.size() > 4 && CopyFile(files.at(i), QDir(folder).filePath(name), false))
            ++copied;
        if (progress && !progress(static_cast<int>(i + 1), static_cast<int>(files.size())))
            break;
    }
    return copied;
}

bool ExportFolder(const QString& folder, const QString& destinationParent, QString* created,
                  const Progress& progress)
{
    if (created)
        created->clear();
    const QFileInfo source(QDir::cleanPath(folder));
    if (!source.isDir() || source.fileName().isEmpty())
        return false;
    // Planned before anything is made, so an export into the folder itself ends.
    ExportPlan plan;
    FolderWalk::Visited visited;
    PlanExport(source.filePath(), QString(), 0, visited, plan);

    const QDir target(QDir(destinationParent).filePath(source.fileName()));
    if (!QDir().mkdir(target.path()))
        return false;
    if (created)
        *created = target.path();
    bool complete = true;
    for (const QString& relative : plan.folders)
        complete = target.mkdir(relative) && complete;
    const int total = static_cast<int>(plan.files.size());
    for (int i = 0; i < total; ++i) {
        const auto& [from, relative] = plan.files[static_cast<size_t>(i)];
        complete = CopyFile(from, target.filePath(relative), false) && complete;
        if (progress && !progress(i + 1, total))
            return false;
    }
    return complete;
}

QString CreateNewsletter(const QString& folder)
{
    for (int n = 1; n < 10000; ++n) {
        const QString name = n == 1 ? QStringLiteral("Untitled.wrn")
                                    : QStringLiteral("Untitled_%1.wrn").arg(n);
        const QString path = QDir(folder).filePath(name);
        // NewOnly: a document made meanwhile under this name is never truncated.
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!Exists(QFileInfo(path)))
            return {};   // the folder is missing or cannot be written
    }
    return {};
}

QString NewFolderPath(const QString& parent, int& counter)
{
    // A folder of that name left from an earlier run keeps its photos and its one item.
    for (const int last = counter + 10000;; ++counter) {
        const QString path = QDir(parent).filePath(QStringLiteral("NewFolder_%1").arg(counter));
        if (QDir().mkdir(path) || !Exists(QFileInfo(path)) || counter == last)
            return path;
    }
}

} // namespace LibraryFiles

bool LibraryFiles::HasTrash()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    // The freedesktop wastebasket lives in the user's data folder. Without a usable one
    // Qt 6.4 makes a "Trash" folder in the working folder, scattering photos where
    // nobody looks.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir::isAbsolutePath(data) && QDir().mkpath(data);
#endif
}

LibraryFiles::Discarded LibraryFiles::Discard(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return Discarded::Failed;
    if (HasTrash() && QFile::moveToTrash(path))
        return Discarded::Trashed;
    return QFile::remove(path) ? Discarded::Deleted : Discarded::Failed;
}
