#pragma once

#include "canvas/objects/DiagramObject.h"

#include <QByteArray>
#include <QByteArrayView>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CCalendarObject;

using ObjectList = std::vector<std::unique_ptr<CDiagramObject>>;

// The page a document describes, from its header.
struct CWrnPage
{
    static constexpr std::int32_t kDefaultWidth = 850;
    static constexpr std::int32_t kDefaultHeight = 1098;
    static constexpr ColorRef kDefaultBackground = Rgb(129, 192, 245);

    std::int32_t width = kDefaultWidth;
    std::int32_t height = kDefaultHeight;
    CPageRect diagram;
    ColorRef background = kDefaultBackground;
    friend bool operator==(const CWrnPage&, const CWrnPage&) = default;
};

struct CWrnDocument
{
    bool hasHeader = false; // an empty file has none and leaves the page as it was
    CWrnPage page;
    ObjectList objects;
};

struct CDocumentReadOptions
{
    // Photos load their picture files and replay their stored adjustments.
    bool loadPictures = true;
    // Gives each calendar read the holidays and the user's names it needs.
    std::function<void(CCalendarObject&)> prepareCalendar;
};

// The .wrn document: an 88-byte header and one fixed-size record per stored object.
namespace WrnFormat {

constexpr int kHeaderSize = 88;
// The record size of a stored type, 0 for a type that is never stored.
int RecordSize(int type);

QByteArray Encode(const CWrnPage& page, const ObjectList& objects);
// Reads whatever can be read: a short last record ends the reading, unknown type codes
// are stepped over 4 bytes at a time. Never reads outside `bytes`.
CWrnDocument Decode(QByteArrayView bytes, const CDocumentReadOptions& options = {});

} // namespace WrnFormat

// Writes the document and then the pictures of photos edited for good. False when the
// document file could not be written; an existing file is then left as it was.
bool SaveDocument(const QString& path, const CWrnPage& page, const ObjectList& objects);
// Reads a document; nothing when the file cannot be opened.
std::optional<CWrnDocument> LoadDocument(const QString& path,
                                         const CDocumentReadOptions& options = {});

// A default object of a stored type, or null for any other type code.
std::unique_ptr<CDiagramObject> CreateDefaultObject(int type);
