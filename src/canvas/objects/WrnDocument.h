#pragma once

#include "canvas/objects/PageObject.h"
#include "canvas/objects/photo/PictureShelf.h"

#include <QByteArray>
#include <QByteArrayView>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CalendarObject;

using ObjectList = std::vector<std::unique_ptr<PageObject>>;

// The paper's margins around the page, in page units, as Page Setup left them.
struct PageMargins
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const PageMargins&, const PageMargins&) = default;
};

// The page a document describes, from its header.
struct WrnPage
{
    static constexpr std::int32_t kDefaultWidth = 850;
    static constexpr std::int32_t kDefaultHeight = 1098;
    static constexpr ColorRef kDefaultBackground = Rgb(129, 192, 245);

    std::int32_t width = kDefaultWidth;
    std::int32_t height = kDefaultHeight;
    PageRect diagram;
    ColorRef background = kDefaultBackground;
    PageMargins margins;
    friend bool operator==(const WrnPage&, const WrnPage&) = default;
};

// What reading a file found amiss.
struct ReadNotes
{
    enum class Refusal {
        None,
        TooShort, // shorter than a header, though not empty
        NotAPage, // a header no page can have: some other kind of file
    };
    Refusal refusal = Refusal::None; // a refused file gives no page and no objects
    bool cutShort = false;           // the file ends inside a record
    bool tooManyObjects = false;     // objects beyond the limit were left unread
    qsizetype objectsRead = 0;
    int picturesLeftOut = 0;         // photos without their picture: too many pixels in all
};

struct WrnDocument
{
    bool hasHeader = false; // an empty file has none and leaves the page as it was
    WrnPage page;          // for a refused file, the size its header claims
    ObjectList objects;
    ReadNotes notes;

    bool Refused() const { return notes.refusal != ReadNotes::Refusal::None; }
    // What the user is told about the file named `name`: why it was refused, or what of it
    // is missing. Empty for a sound file.
    QString Problems(const QString& name) const;
};

// The .wrn document: an 88-byte header and one fixed-size record per stored object.
namespace WrnFormat {

constexpr int kHeaderSize = 88;
// Page sides a header may give; anything else is not a page.
constexpr std::int32_t kMinPageSide = 1;
constexpr std::int32_t kMaxPageSide = 100000;
// Objects read from one file at most: a page holds a few hundred.
constexpr int kMaxObjects = 100000;

} // namespace WrnFormat

struct DocumentReadOptions
{
    // Photos load their picture files and replay their stored adjustments.
    bool loadPictures = true;
    // Gives each calendar read the holidays and the user's names it needs.
    std::function<void(CalendarObject&)> prepareCalendar;
    int maxObjects = WrnFormat::kMaxObjects;
    // Pixels the pictures of all photos may hold together.
    qint64 pictureBudget = PictureShelf::kDocumentPixels;
};

namespace WrnFormat {
// The record size of a stored type, 0 for a type that is never stored.
int RecordSize(int type);

QByteArray Encode(const WrnPage& page, const ObjectList& objects);
// Reads whatever can be read: a short last record ends the reading, unknown type codes
// are stepped over 4 bytes at a time. Never reads outside `bytes`. A file too short for
// a header, or whose header no page can have, is refused.
WrnDocument Decode(QByteArrayView bytes, const DocumentReadOptions& options = {});

} // namespace WrnFormat

// Writes the document and then the pictures of photos edited for good. False when the
// document file could not be written; an existing file is then left as it was.
bool SaveDocument(const QString& path, const WrnPage& page, const ObjectList& objects);
// Reads a document; nothing when the file cannot be opened or is not a regular file.
std::optional<WrnDocument> LoadDocument(const QString& path,
                                         const DocumentReadOptions& options = {});

// A default object of a stored type, or null for any other type code.
std::unique_ptr<PageObject> CreateDefaultObject(int type);
