#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

std::unique_ptr<SettingsStore>& ProgramStore()
{
    static std::unique_ptr<SettingsStore> store;
    return store;
}

QString PathOf(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

SettingsStore& SettingsStore::Instance()
{
    auto& store = ProgramStore();
    if (!store)
        store = std::make_unique<SettingsStore>();
    return *store;
}

void SettingsStore::UseFile(const QString& iniPath)
{
    ProgramStore() = std::make_unique<SettingsStore>(iniPath);
}

void SettingsStore::UseNative()
{
    ProgramStore() = std::make_unique<SettingsStore>();
}

QString SettingsStore::FolderFile(const QString& appFolder)
{
    return QDir(appFolder).filePath(QString::fromLatin1(kFolderFileName));
}

bool SettingsStore::UseFolderFileIfPresent(const QString& appFolder)
{
    const QString file = FolderFile(appFolder);
    if (!QFileInfo(file).isFile())
        return false;
    UseFile(file);
    return true;
}

SettingsStore::SettingsStore(const QString& iniPath)
    : m_settings(iniPath.isEmpty()
                     ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                   QString::fromLatin1(kOrganization),
                                                   QString::fromLatin1(kApplication))
                     : std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

int SettingsStore::GetInt(const QString& section, const QString& key, int defaultValue) const
{
    const QVariant value = m_settings->value(PathOf(section, key));
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : defaultValue;
}

QString SettingsStore::GetString(const QString& section, const QString& key,
                                  const QString& defaultValue) const
{
    const QVariant value = m_settings->value(PathOf(section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

bool SettingsStore::Contains(const QString& section, const QString& key) const
{
    return m_settings->contains(PathOf(section, key));
}

bool SettingsStore::WriteInt(const QString& section, const QString& key, int value)
{
    m_settings->setValue(PathOf(section, key), value);
    return Sync();
}

bool SettingsStore::WriteString(const QString& section, const QString& key, const QString& value)
{
    m_settings->setValue(PathOf(section, key), value);
    return Sync();
}

bool SettingsStore::Remove(const QString& section, const QString& key)
{
    m_settings->remove(PathOf(section, key));
    return Sync();
}

QString SettingsStore::Location() const
{
    return m_settings->fileName();
}

bool SettingsStore::Sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
