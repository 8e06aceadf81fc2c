#pragma once

#include <QString>
#include <cstdint>

class SettingsStore;

// The counter canvas objects take their identifiers from. Each issued value is
// written back at once, so identifiers keep growing across runs.
class ObjectIdCounter
{
public:
    void Load(const SettingsStore& store);
    // Increments the counter, stores it and returns it as decimal text.
    QString Next(SettingsStore& store);
    // Increments the counter without storing it; Store() makes it permanent.
    QString Take();
    void Store(SettingsStore& store) const;
    std::uint32_t Value() const { return m_value; }

private:
    std::uint32_t m_value = 1;
};
