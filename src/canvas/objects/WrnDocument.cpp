#include "canvas/objects/WrnDocument.h"

#include "canvas/objects/ObjectIdentity.h"
#include "canvas/objects/WrnRecordLayouts.h"
#include "platform/RegularFiles.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <limits>

namespace {

// Header offsets; the rectangle is stored left, right, top, bottom here.
// The margins sit at the start of the header's reserved bytes, which older files
// leave as zeros: no margins.
constexpr int kMarginLeftAt = 0;
constexpr int kMarginTopAt = 4;
constexpr int kMarginRightAt = 8;
constexpr int kMarginBottomAt = 12;
constexpr int kPageWidthAt = 60;
constexpr int kPageHeightAt = 64;
constexpr int kDiagramLeftAt = 68;
constexpr int kDiagramRightAt = 72;
constexpr int kDiagramTopAt = 76;
constexpr int kDiagramBottomAt = 80;
constexpr int kBackgroundAt = 84;

void PutUnits(char* at, const QString& text, int units)
{
    // Cut to leave room for the terminator, never inside a surrogate pair.
    qsizetype length = std::min<qsizetype>(text.size(), units - 1);
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate())
        --length;
    for (qsizetype i = 0; i < length; ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), at + 2 * i);
}

QString GetUnits(const char* at, int units)
{
    // The last unit is the terminator's place, whatever a damaged file holds there.
    QString text;
    for (int i = 0; i < units - 1; ++i) {
        const quint16 unit = qFromLittleEndian<quint16>(at + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

// Fills a zeroed record from an object.
class RecordWriter
{
public:
    explicit RecordWriter(int size) : m_record(size, '\0') {}
    const QByteArray& Record() const { return m_record; }

    void Int(int at, const char*, const std::int32_t& value) { Put<qint32>(at, value); }
    void Color(int at, const char*, const ColorRef& value) { Put<quint32>(at, value); }
    void Byte(int at, const char*, const std::uint8_t& value) { Put<qint32>(at, value); }
    void Float(int at, const char*, const float& value) { Put<float>(at, value); }
    void Double(int at, const char*, const double& value) { Put<double>(at, value); }
    void IntAsFloat(int at, const char*, const std::int32_t& value) { Put<float>(at, float(value)); }
    void Rect(int at, const char*, const PageRect& r)
    {
        Put<qint32>(at, r.left);
        Put<qint32>(at + 4, r.top);
        Put<qint32>(at + 8, r.right);
        Put<qint32>(at + 12, r.bottom);
    }
    void Text(int at, int units, const char*, const QString& text)
    {
        PutUnits(m_record.data() + at, text, units);
    }
    void Vertices(int at, int countAt, int slotCount, const QList<QPoint>& vertices)
    {
        const qsizetype count = std::min<qsizetype>(vertices.size(), slotCount);
        for (qsizetype i = 0; i < count; ++i) {
            Put<qint32>(at + int(8 * i), vertices[i].x());
            Put<qint32>(at + int(8 * i) + 4, vertices[i].y());
        }
        Put<qint32>(countAt, qint32(count));
    }

private:
    template <class T>
    void Put(int at, T value)
    {
        qToLittleEndian<T>(value, m_record.data() + at);
    }

    QByteArray m_record;
};

// Sets an object's fields from a complete record.
class RecordReader
{
public:
    explicit RecordReader(QByteArrayView record) : m_record(record) {}

    void Int(int at, const char*, std::int32_t& value) { value = Get<qint32>(at); }
    void Color(int at, const char*, ColorRef& value) { value = Get<quint32>(at); }
    void Byte(int at, const char*, std::uint8_t& value) { value = std::uint8_t(Get<quint32>(at) & 0xff); }
    void Float(int at, const char*, float& value) { value = Get<float>(at); }
    void Double(int at, const char*, double& value) { value = Get<double>(at); }
    void IntAsFloat(int at, const char*, std::int32_t& value) { value = TruncatedInt(Get<float>(at)); }
    void Rect(int at, const char*, PageRect& r)
    {
        r = {Get<qint32>(at), Get<qint32>(at + 4), Get<qint32>(at + 8), Get<qint32>(at + 12)};
    }
    void Text(int at, int units, const char*, QString& text)
    {
        text = GetUnits(m_record.data() + at, units);
    }
    void Vertices(int at, int countAt, int slotCount, QList<QPoint>& vertices)
    {
        const qint32 count = std::clamp<qint32>(Get<qint32>(countAt), 0, slotCount);
        vertices.clear();
        vertices.reserve(count);
        for (qint32 i = 0; i < count; ++i)
            vertices.append(QPoint(Get<qint32>(at + 8 * i), Get<qint32>(at + 8 * i + 4)));
    }

private:
    template <class T>
    T Get(int at) const
    {
        return qFromLittleEndian<T>(m_record.data() + at);
    }

    static std::int32_t TruncatedInt(float value)
    {
        // Anything a float may hold, NaN included, lands inside the integer range.
        if (!(value > -2147483648.0f))
            return value != value ? 0 : std::numeric_limits<std::int32_t>::min();
        if (value >= 2147483648.0f)
            return std::numeric_limits<std::int32_t>::max();
        return std::int32_t(value);
    }

    QByteArrayView m_record;
};

void FinishReadObject(PageObject& object, const DocumentReadOptions& options,
                      PictureShelf& pictures)
{
    switch (object.m_nType) {
    case ObjectType::Photo: {
        auto& photo = static_cast<PhotoObject&>(object);
        photo.SetPath(photo.m_strPath);
        if (options.loadPictures)
            photo.LoadPicture(&pictures);
        break;
    }
    case ObjectType::Text:
        // Text comes back locked, whatever was stored.
        object.m_bLocked = 1;
        break;
    case ObjectType::Calendar:
        if (options.prepareCalendar)
            options.prepareCalendar(static_cast<CalendarObject&>(object));
        break;
    default:
        break;
    }
}

// Replaying an adjustment gives the photo pixels of its own, which the budget must allow.
void ReplayAdjustments(ObjectList& objects, PictureShelf& pictures)
{
    for (const auto& object : objects) {
        if (object->m_nType != ObjectType::Photo)
            continue;
        auto& photo = static_cast<PhotoObject&>(*object);
        const uchar* shared = photo.ShownImage().constBits();
        photo.ReplayStoredAdjustments();
        const QImage& shown = photo.ShownImage();
        if (shown.constBits() != shared &&
            !pictures.Take(qint64(shown.width()) * shown.height())) {
            photo.DropPictures();
            pictures.LeaveOut();
        }
    }
}

bool IsPageSide(std::int32_t side)
{
    return side >= WrnFormat::kMinPageSide && side <= WrnFormat::kMaxPageSide;
}

QString ObjectCount(qsizetype count)
{
    return count == 1 ? QStringLiteral("object") : QStringLiteral("%L1 objects").arg(count);
}

} // namespace

QString WrnDocument::Problems(const QString& name) const
{
    switch (notes.refusal) {
    case ReadNotes::Refusal::TooShort:
        return QStringLiteral("\"%1\" is damaged: it is too short to hold a page.").arg(name);
    case ReadNotes::Refusal::NotAPage:
        return QStringLiteral("\"%1\" is not a page, or it is too damaged to open (it claims a "
                              "page of %L2 x %L3 units).")
            .arg(name)
            .arg(page.width)
            .arg(page.height);
    case ReadNotes::Refusal::None: break;
    }
    QStringList problems;
    if (notes.cutShort)
        problems << (notes.objectsRead == 0
                         ? QStringLiteral("\"%1\" is damaged: none of its objects could be read.")
                               .arg(name)
                         : QStringLiteral("\"%1\" is damaged: only its first %2 could be read.")
                               .arg(name, ObjectCount(notes.objectsRead)));
    if (notes.tooManyObjects)
        problems << QStringLiteral("\"%1\" holds more objects than a page can; only its first "
                                   "%2 were read.")
                        .arg(name, ObjectCount(notes.objectsRead));
    if (notes.picturesLeftOut > 0)
        problems << QStringLiteral("The photos of this page are too large to show together; %1.")
                        .arg(notes.picturesLeftOut == 1
                                 ? QStringLiteral("1 photo shows as an empty frame")
                                 : QStringLiteral("%1 photos show as empty frames")
                                       .arg(notes.picturesLeftOut));
    return problems.join(u'\n');
}

namespace WrnFormat {

int RecordSize(int type)
{
    switch (type) {
    case ObjectType::Photo: return 640;
    case ObjectType::Text: return 8360;
    case ObjectType::Calendar: return 772;
    case ObjectType::Shape: return 640;
    case ObjectType::Curve: return 8596;
    case ObjectType::Symbol: return 96;
    default: return 0;
    }
}

QByteArray Encode(const WrnPage& page, const ObjectList& objects)
{
    qsizetype total = kHeaderSize;
    for (const auto& object : objects)
        total += object ? 4 + RecordSize(object->m_nType) : 0;
    QByteArray bytes(kHeaderSize, '\0');
    bytes.reserve(total);
    char* header = bytes.data();
    qToLittleEndian<qint32>(page.width, header + kPageWidthAt);
    qToLittleEndian<qint32>(page.height, header + kPageHeightAt);
    qToLittleEndian<qint32>(page.diagram.left, header + kDiagramLeftAt);
    qToLittleEndian<qint32>(page.diagram.right, header + kDiagramRightAt);
    qToLittleEndian<qint32>(page.diagram.top, header + kDiagramTopAt);
    qToLittleEndian<qint32>(page.diagram.bottom, header + kDiagramBottomAt);
    qToLittleEndian<quint32>(page.background, header + kBackgroundAt);
    qToLittleEndian<qint32>(page.margins.left, header + kMarginLeftAt);
    qToLittleEndian<qint32>(page.margins.top, header + kMarginTopAt);
    qToLittleEndian<qint32>(page.margins.right, header + kMarginRightAt);
    qToLittleEndian<qint32>(page.margins.bottom, header + kMarginBottomAt);

    for (const auto& object : objects) {
        const int size = object ? RecordSize(object->m_nType) : 0;
        if (size == 0)
            continue;
        RecordWriter writer(size);
        WrnLayout::VisitFields(writer, std::as_const(*object));
        char type[4];
        qToLittleEndian<qint32>(object->m_nType, type);
        bytes.append(type, 4);
        bytes.append(writer.Record());
    }
    return bytes;
}

WrnDocument Decode(QByteArrayView bytes, const DocumentReadOptions& options)
{
    WrnDocument document;
    if (bytes.isEmpty())
        return document; // an empty page, as a new newsletter is
    if (bytes.size() < kHeaderSize) {
        document.notes.refusal = ReadNotes::Refusal::TooShort;
        return document;
    }
    const char* header = bytes.data();
    document.page.width = qFromLittleEndian<qint32>(header + kPageWidthAt);
    document.page.height = qFromLittleEndian<qint32>(header + kPageHeightAt);
    if (!IsPageSide(document.page.width) || !IsPageSide(document.page.height)) {
        document.notes.refusal = ReadNotes::Refusal::NotAPage;
        return document;
    }
    document.hasHeader = true;
    document.page.diagram = {qFromLittleEndian<qint32>(header + kDiagramLeftAt),
                             qFromLittleEndian<qint32>(header + kDiagramTopAt),
                             qFromLittleEndian<qint32>(header + kDiagramRightAt),
                             qFromLittleEndian<qint32>(header + kDiagramBottomAt)};
    document.page.background = qFromLittleEndian<quint32>(header + kBackgroundAt);
    // A margin no page can have reads as none.
    const auto margin = [header](int at) {
        const qint32 value = qFromLittleEndian<qint32>(header + at);
        return value >= 0 && value <= kMaxPageSide ? value : 0;
    };
    document.page.margins = {margin(kMarginLeftAt), margin(kMarginTopAt),
                             margin(kMarginRightAt), margin(kMarginBottomAt)};

    const ObjectIdentity::Batch numbering;
    PictureShelf pictures(options.pictureBudget);
    qsizetype at = kHeaderSize;
    while (bytes.size() - at >= 4) {
        const qint32 type = qFromLittleEndian<qint32>(bytes.data() + at);
        at += 4;
        const int size = RecordSize(type);
        if (size == 0)
            continue; // an unknown code: the next 4 bytes are the next code
        if (bytes.size() - at < size)
            break; // a record cut short ends the document
        if (document.objects.size() >= size_t(std::max(options.maxObjects, 0))) {
            document.notes.tooManyObjects = true;
            break;
        }
        std::unique_ptr<PageObject> object = CreateDefaultObject(type);
        RecordReader reader(bytes.sliced(at, size));
        WrnLayout::VisitFields(reader, *object);
        FinishReadObject(*object, options, pictures);
        document.objects.push_back(std::move(object));
        at += size;
    }
    document.notes.cutShort = !document.notes.tooManyObjects && at < bytes.size();
    document.notes.objectsRead = qsizetype(document.objects.size());
    if (options.loadPictures)
        ReplayAdjustments(document.objects, pictures);
    document.notes.picturesLeftOut = pictures.LeftOut();
    return document;
}

} // namespace WrnFormat

std::unique_ptr<PageObject> CreateDefaultObject(int type)
{
    switch (type) {
    case ObjectType::Photo: return std::make_unique<PhotoObject>();
    case ObjectType::Text: return std::make_unique<TextObject>();
    case ObjectType::Calendar: return std::make_unique<CalendarObject>();
    case ObjectType::Shape: return std::make_unique<ShapeObject>();
    case ObjectType::Curve: return std::make_unique<CurveObject>();
    case ObjectType::Symbol: return std::make_unique<SymbolObject>();
    default: return nullptr;
    }
}

bool SaveDocument(const QString& path, const WrnPage& page, const ObjectList& objects)
{
    const QByteArray bytes = WrnFormat::Encode(page, objects);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    for (const auto& object : objects)
        if (object && object->m_nType == ObjectType::Photo)
            static_cast<const PhotoObject&>(*object).WriteEditedPicture();
    return true;
}

std::optional<WrnDocument> LoadDocument(const QString& path, const DocumentReadOptions& options)
{
    QFile file(path);
    if (!RegularFiles::OpenForReading(file))
        return std::nullopt;
    // Another kind of file is refused from its first bytes, however large it is.
    QByteArray bytes = file.read(WrnFormat::kHeaderSize);
    DocumentReadOptions headerOnly;
    headerOnly.loadPictures = false;
    if (!WrnFormat::Decode(bytes, headerOnly).Refused())
        bytes += file.readAll();
    return WrnFormat::Decode(bytes, options);
}
