// File and folder names come from the disk, from a camera card and from what a carer
// types; the library must read any of them, as UTF-8 or as UTF-16.
#include "photos/LibraryFiles.h"
#include "photos/LibraryScan.h"
#include "photos/PhotoFiles.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void CheckName(const QString& name)
{
    for (const char* list : {PhotoFiles::kListExtensions, PhotoFiles::kStripExtensions}) {
        if (PhotoFiles::IsPhoto(name, QString::fromLatin1(list)))
            Check(!name.startsWith(QLatin1Char('.')));
    }
    Check(PhotoFiles::TypeText(name).endsWith(QLatin1String(" Image")));

    if (LibraryFiles::NameProblem(name).isEmpty()) {
        Check(!name.trimmed().isEmpty());
        Check(!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')));
        Check(name != QLatin1String(".") && name != QLatin1String(".."));
        for (const QChar c : name)
            Check(c.unicode() >= 0x20 && c.unicode() != 0x7f);
    }

    // A photo renamed to any typed text keeps its extension, or the rename is refused.
    for (const char* photo : {"a.jpg", "IMG_1.PNG"}) {
        QString problem;
        const QString renamed = PhotoFiles::RenamedFileName(QString::fromLatin1(photo), name, &problem);
        Check(renamed.isEmpty() != problem.isEmpty());
        Check(renamed.isEmpty() || renamed.endsWith(QString::fromLatin1(photo).section(QLatin1Char('.'), -1)));
        Check(!renamed.startsWith(QLatin1Char('.')));
    }

    for (const auto kind : {LibraryNode::Folder, LibraryNode::Document})
        Check(!LibraryScan::DisplayName(name, kind).contains(QLatin1Char('/')));
    Check(name.isEmpty() || !LibraryScan::DisplayName(name, LibraryNode::Root).isEmpty());
}

void CheckSize(quint32 size)
{
    const QString text = PhotoFiles::SizeText(size);
    const bool bytes = text.endsWith(QLatin1String(" Bytes"));
    Check(bytes == (size < 1024));
    Check(text.section(QLatin1Char(' '), 0, 0).toUInt() == (bytes ? size : size / 1024));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    CheckName(QString::fromUtf8(bytes, static_cast<qsizetype>(size)));

    std::vector<char16_t> units(size / 2);
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    CheckName(QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size())));

    quint32 number = 0;
    std::memcpy(&number, data, size < sizeof number ? size : sizeof number);
    CheckSize(number);
    return 0;
}
