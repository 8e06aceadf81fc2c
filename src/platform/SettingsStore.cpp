#include "platform/SettingsStore.h"

#include <QSettings>

namespace {

std::unique_ptr<CSettingsStore>& ProgramStore()
{
    static std::unique_ptr<CSettingsStore> store;
    return store;
}

QString PathOf(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

CSettingsStore& CSettingsStore::Instance()
{
    auto& store = ProgramStore();
    if (!store)
        store = std::make_unique<CSettingsStore>();
    return *store;
}

void CSettingsStore::UseFile(const QString& iniPath)
{
    ProgramStore() = std::make_unique<CSettingsStore>(iniPath);
}

void CSettingsStore::UseNative()
{
    ProgramStore() = std::make_unique<CSettingsStore>();
}

CSettingsStore::CSettingsStore(const QString& iniPath)
    : m_settings(iniPath.isEmpty()
                     ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                   QString::fromLatin1(kOrganization),
                                                   QString::fromLatin1(kApplication))
                     : std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

CSettingsStore::~CSettingsStore() = default;

int CSettingsStore::GetInt(const QString& section, const QString& key, int defaultValue) const
{
    const QVariant value = m_settings->value(PathOf(section, key));
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : defaultValue;
}

QString CSettingsStore::GetString(const QString& section, const QString& key,
                                  const QString& defaultValue) const
{
    const QVariant value = m_settings->value(PathOf(section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

bool CSettingsStore::Contains(const QString& section, const QString& key) const
{
    return m_settings->contains(PathOf(section, key));
}

bool CSettingsStore::WriteInt(const QString& section, const QString& key, int value)
{
    m_settings->setValue(PathOf(section, key), value);
    return Sync();
}

bool CSettingsStore::WriteString(const QString& section, const QString& key, const QString& value)
{
    m_settings->setValue(PathOf(section, key), value);
    return Sync();
}

QString CSettingsStore::Location() const
{
    return m_settings->fileName();
}

bool CSettingsStore::Sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
