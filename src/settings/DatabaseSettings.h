#pragma once

#include <QString>

class SettingsStore;

// Where the records live between runs, section DATABASE: the server's address written
// as a postgresql:// URL without its password, or empty for the WRN.mdb file of this
// computer. The password is kept apart, in the keyring where there is one.
struct DatabaseSettings
{
    QString url;
    QString password;

    // The stored address and its password (from the keyring or the settings).
    static DatabaseSettings Load(SettingsStore& store);
    void Save(SettingsStore& store) const;
    bool operator==(const DatabaseSettings&) const = default;
};
