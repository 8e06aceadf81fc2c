// The parents' address book is a file anyone may have edited or cut short.
#include "mail/EmailAddressBook.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto entries = CEmailAddressBook::Parse(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (entries.size() > CEmailAddressBook::kMaxEntries)
        __builtin_trap();
    for (const CAddressBookEntry& entry : entries)
        if (entry.name.size() > CEmailAddressBook::kAddressOffset / 2)
            __builtin_trap();
    return 0;
}
