// The parents' address book is a file anyone may have edited or cut short.
#include "mail/EmailAddressBook.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto entries = EmailAddressBook::Parse(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (entries.size() > EmailAddressBook::kMaxEntries)
        __builtin_trap();
    for (const AddressBookEntry& entry : entries)
        if (entry.name.size() > EmailAddressBook::kAddressOffset / 2)
            __builtin_trap();
    return 0;
}
