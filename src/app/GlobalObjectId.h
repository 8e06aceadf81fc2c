#pragma once

#include <QString>
#include <cstdint>

class CSettingsStore;

// The counter canvas objects take their identifiers from. Each issued value is
// written back at once, so identifiers keep growing across runs.
class CGlobalObjectId
{
public:
    void Load(const CSettingsStore& store);
    // Increments the counter, stores it and returns it as decimal text.
    QString Next(CSettingsStore& store);
    // Increments the counter without storing it; Store() makes it permanent.
    QString Take();
    void Store(CSettingsStore& store) const;
    std::uint32_t Value() const { return m_value; }

private:
    std::uint32_t m_value = 1;
};
