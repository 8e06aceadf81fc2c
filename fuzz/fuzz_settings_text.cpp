// Settings hold text a person typed or edited by hand: rates, start times, the records
// server's address, and the program's own command line.
#include "settings/ProgramSettings.h"
#include "settings/StartOptions.h"
#include "records/RecordsDatabase.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                           static_cast<qsizetype>(size));
    if (!std::isfinite(RateFromText(text)))
        __builtin_trap();
    if (const auto start = ParseStartTime(text)) {
        if (start->hour < 0 || start->hour > 23 || start->minute < 0 || start->minute > 59)
            __builtin_trap();
    }
    // An address that reads back as itself after writing.
    try {
        const DatabaseLocation location = DatabaseLocation::FromUrl(text);
        if (location.IsServer() && !(DatabaseLocation::FromUrl(location.Url(true)) == location))
            __builtin_trap();
    } catch (const DatabaseError&) {
    }
    QString error;
    ParseStartOptions(text.split(QLatin1Char(' ')), &error);
    return 0;
}
