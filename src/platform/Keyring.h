#pragma once

#include <QString>
#include <memory>
#include <optional>

// The system's keyring (Secret Service, Credential Manager, Keychain) for the secrets
// the program keeps. Where there is none, reads find nothing and writes fail, and the
// callers keep the value in the settings instead.
class Keyring
{
public:
    virtual ~Keyring() = default;
    // Whether a keyring answers at all.
    virtual bool Available() = 0;
    virtual std::optional<QString> Read(const QString& key) = 0;
    virtual bool Write(const QString& key, const QString& value) = 0;
};

// The program-wide keyring: the system's, or none when TENDREL_NO_KEYRING is set.
Keyring& Secrets();
// Installs a keyring (tests) and returns the one it replaces.
std::unique_ptr<Keyring> InstallKeyring(std::unique_ptr<Keyring> keyring);

// No keyring: nothing is found and nothing can be written.
class NoKeyring : public Keyring
{
public:
    bool Available() override { return false; }
    std::optional<QString> Read(const QString&) override { return std::nullopt; }
    bool Write(const QString&, const QString&) override { return false; }
};
