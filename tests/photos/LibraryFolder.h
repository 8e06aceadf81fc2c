#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

inline QString S(const char* text)
{
    return QString::fromUtf8(text);
}

// A folder of photo library files with known content: a throwaway one of its own, or one
// given. Paths are taken inside it unless they are absolute.
class LibraryFolder
{
public:
    LibraryFolder() : m_own(std::make_unique<QTemporaryDir>()), m_root(m_own->path()) {}
    explicit LibraryFolder(const QString& root) : m_root(root) {}

    QString Path(const QString& relative = {}) const
    {
        return relative.isEmpty() ? m_root.path() : m_root.filePath(relative);
    }

    // Writes a file (its folders are made first) and gives its path.
    QString Write(const QString& relative, const QByteArray& bytes) const
    {
        const QString path = Path(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }

    QString MakeFolder(const QString& relative) const
    {
        QDir().mkpath(Path(relative));
        return Path(relative);
    }

    QByteArray Read(const QString& relative) const
    {
        QFile file(Path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Every entry of a folder, dot names included, so leftovers show.
    QStringList Entries(const QString& relative = {}) const
    {
        return QDir(Path(relative))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

private:
    std::unique_ptr<QTemporaryDir> m_own;
    QDir m_root;
};
