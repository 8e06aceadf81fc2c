#pragma once

#include <QString>
#include <memory>

class QSettings;

// The per-user settings store: one section per group, written through at once.
// On Windows this is the registry, elsewhere an INI file; tests point it at a
// file of their own with UseFile().
class SettingsStore
{
public:
    static constexpr const char* kOrganization = "Tendrel 1.0";
    static constexpr const char* kApplication = "Tendrel V1.0";

    // The program-wide store.
    static SettingsStore& Instance();
    // Redirects the program-wide store to an INI file (tests, portable installs).
    static void UseFile(const QString& iniPath);
    // Returns the program-wide store to the user's native settings.
    static void UseNative();

    // An application folder may carry settings of its own (a portable install, the sample
    // center), so running on it never reads or changes the user's.
    static constexpr const char* kFolderFileName = "Tendrel.ini";
    static QString FolderFile(const QString& appFolder);
    // Uses the folder's own settings file when it has one; true when it does.
    static bool UseFolderFileIfPresent(const QString& appFolder);

    explicit SettingsStore(const QString& iniPath = QString());
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // A missing or unreadable value yields the default.
    int GetInt(const QString& section, const QString& key, int defaultValue) const;
    QString GetString(const QString& section, const QString& key,
                      const QString& defaultValue = QString()) const;
    bool Contains(const QString& section, const QString& key) const;

    // Each write reaches the backing store before returning; false when it could not.
    bool WriteInt(const QString& section, const QString& key, int value);
    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool Remove(const QString& section, const QString& key);

    QString Location() const;

private:
    bool Sync();

    std::unique_ptr<QSettings> m_settings;
};

// Shorthand for the program-wide store.
inline SettingsStore& Settings() { return SettingsStore::Instance(); }
