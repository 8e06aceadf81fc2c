#pragma once

#include "platform/Keyring.h"

#include <QHash>

// A keyring that answers and keeps what is written in memory, for tests of where a
// password ends up (InstallKeyring; TempHome puts "no keyring" back).
class MemoryKeyring : public Keyring
{
public:
    bool Available() override { return true; }
    std::optional<QString> Read(const QString& key) override
    {
        return values.contains(key) ? std::optional(values.value(key)) : std::nullopt;
    }
    bool Write(const QString& key, const QString& value) override
    {
        values.insert(key, value);
        return true;
    }
    QHash<QString, QString> values;
};
