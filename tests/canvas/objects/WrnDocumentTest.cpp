#include "CanvasTestKit.h"

#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/DocumentJson.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/SymbolObject.h"
#include "canvas/objects/TextObject.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

qint32 IntAt(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

void PutInt(QByteArray& bytes, qsizetype at, qint32 value)
{
    qToLittleEndian<qint32>(value, bytes.data() + at);
}

QByteArray Header()
{
    return WrnFormat::Encode(WrnPage{}, {});
}

// A type code and a zeroed record of the type's size.
QByteArray BlankRecord(int type)
{
    QByteArray bytes(4 + WrnFormat::RecordSize(type), '\0');
    PutInt(bytes, 0, type);
    return bytes;
}

WrnDocument Decoded(const QByteArray& bytes)
{
    DocumentReadOptions options;
    options.loadPictures = false;
    return WrnFormat::Decode(bytes, options);
}

} // namespace

TEST(WrnDocument, EmptyPageIsTheHeaderAloneWithFieldsInPlace)
{
    WrnPage page;
    page.width = 1000;
    page.diagram = {11, 22, 33, 44};
    page.background = Rgb(1, 2, 3);
    page.margins = {96, 48, 0, 12};
    QByteArray bytes = WrnFormat::Encode(page, {});
    ASSERT_EQ(bytes.size(), 88);
    EXPECT_EQ(IntAt(bytes, 60), 1000);
    EXPECT_EQ(IntAt(bytes, 72), 33); // left, right, top, bottom
    EXPECT_EQ(IntAt(bytes, 84), 0x030201);
    EXPECT_EQ(IntAt(bytes, 4), 48); // margins: left, top, right, bottom
    EXPECT_EQ(Decoded(bytes).page, page);

    // A margin no page can have reads as none.
    qToLittleEndian<qint32>(-5, bytes.data());
    EXPECT_EQ(Decoded(bytes).page.margins, (PageMargins{0, 48, 0, 12}));
}

TEST(WrnDocument, EveryStoredFieldOfEveryTypeSurvivesARoundTrip)
{
    const ObjectList written = OneOfEveryStoredType();
    const QByteArray bytes = WrnFormat::Encode(WrnPage{}, written);
    qsizetype expectedSize = 88;
    for (const auto& object : written)
        expectedSize += 4 + WrnFormat::RecordSize(object->m_nType);
    EXPECT_EQ(bytes.size(), expectedSize);

    const WrnDocument read = Decoded(bytes);
    ASSERT_EQ(read.objects.size(), written.size());
    for (size_t i = 0; i < written.size(); ++i) {
        SCOPED_TRACE(written[i]->m_nType);
        EXPECT_EQ(read.objects[i]->m_nType, written[i]->m_nType);
        EXPECT_EQ(DocumentJson::FromObject(*read.objects[i]), DocumentJson::FromObject(*written[i]));
    }
}

TEST(WrnDocument, TextComesBackLockedAndOnlySymbolsKeepTheirSelection)
{
    ObjectList objects;
    objects.push_back(std::make_unique<TextObject>(PageRect{0, 0, 10, 10}, QStringLiteral("Hi")));
    objects.push_back(std::make_unique<ShapeObject>(PageRect{0, 0, 10, 10}, 2, 1, 0, 0, 0));
    objects.push_back(std::make_unique<SymbolObject>());
    for (const auto& object : objects)
        object->m_bSelected = 1;

    const WrnDocument read = Decoded(WrnFormat::Encode(WrnPage{}, objects));
    ASSERT_EQ(read.objects.size(), 3u);
    EXPECT_EQ(read.objects[0]->m_bLocked, 1);
    EXPECT_EQ(read.objects[1]->m_bLocked, 0);
    EXPECT_EQ(read.objects[0]->m_bSelected + read.objects[1]->m_bSelected, 0);
    EXPECT_EQ(read.objects[2]->m_bSelected, 1);
}

TEST(WrnDocument, HandBuiltRecordsAreReadFromTheirOffsetsAndOpacitiesWrittenWidened)
{
    QByteArray shape = BlankRecord(ObjectType::Shape);
    PutInt(shape, 4 + 16, 402);
    PutInt(shape, 4 + 48, 0x1234); // an opacity keeps its low byte
    qToLittleEndian<double>(2.5, shape.data() + 4 + 112);

    QByteArray calendar = BlankRecord(ObjectType::Calendar);
    qToLittleEndian<float>(3.75f, calendar.data() + 4 + 276);

    QByteArray photo = BlankRecord(ObjectType::Photo);
    const QString path = QStringLiteral("C:\\pictures\\kite.JPG");
    for (qsizetype i = 0; i < path.size(); ++i)
        qToLittleEndian<quint16>(path.at(i).unicode(), photo.data() + 4 + 16 + 2 * i);

    const WrnDocument read = Decoded(Header() + shape + calendar + photo);
    ASSERT_EQ(read.objects.size(), 3u);
    const auto& s = static_cast<const ShapeObject&>(*read.objects[0]);
    EXPECT_EQ(s.m_rect.bottom, 402);
    EXPECT_EQ(s.m_nFillAlpha, 0x34);
    EXPECT_EQ(s.m_dShapeScaleX, 2.5);
    // A float in the file, truncated.
    EXPECT_EQ(static_cast<const CalendarObject&>(*read.objects[1]).m_nLineWidth, 3);
    EXPECT_EQ(static_cast<const PhotoObject&>(*read.objects[2]).m_strName, u"kite.JPG");

    ObjectList objects;
    objects.push_back(std::make_unique<TextObject>(PageRect{1, 2, 3, 4}, QStringLiteral("A")));
    objects.back()->m_nFillAlpha = 0xAB;
    EXPECT_EQ(IntAt(WrnFormat::Encode(WrnPage{}, objects), 88 + 4 + 8288), 0xAB);
}

TEST(WrnDocument, LongStringsAreCutAndTerminatedAndDamagedFilesGiveWhatCanBeRead)
{
    ObjectList objects;
    auto symbol = std::make_unique<SymbolObject>();
    symbol->m_strSymbolFont = QString(40, u'W');
    auto text = std::make_unique<TextObject>(PageRect{}, QString(5000, u'x'));
    // A pair that would be split by the cut is dropped whole.
    text->m_strFontName = QString(30, u'f') + QString::fromUcs4(U"\U0001F600");
    objects.push_back(std::move(symbol));
    objects.push_back(std::move(text));
    const QByteArray bytes = WrnFormat::Encode(WrnPage{}, objects);
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 92 + 20 + 2 * 29), 0);

    const WrnDocument read = Decoded(bytes);
    ASSERT_EQ(read.objects.size(), 2u);
    EXPECT_EQ(static_cast<SymbolObject&>(*read.objects[0]).m_strSymbolFont, QString(29, u'W'));
    const auto& text2 = static_cast<TextObject&>(*read.objects[1]);
    EXPECT_EQ(text2.m_strText.size(), 4095);
    EXPECT_EQ(text2.m_strFontName, QString(30, u'f'));

    // Codes 6 and 7 are stepped over four bytes at a time.
    QByteArray unknown = Header();
    unknown += QByteArray::fromHex("06000000" "07000000" "ffffffff");
    unknown += BlankRecord(ObjectType::Symbol);
    EXPECT_EQ(Decoded(unknown).objects.size(), 1u);

    // A record cut short ends the reading; what came before stays, and the reader says
    // how much that was.
    const QByteArray whole = Header() + BlankRecord(ObjectType::Symbol) + BlankRecord(ObjectType::Shape);
    EXPECT_TRUE(Decoded(whole).Problems(QStringLiteral("a.wrn")).isEmpty());
    for (const auto& [cut, objects] : {std::pair{whole.chopped(1), 1u},
                                       {whole + QByteArray(3, '\1'), 2u}}) {
        const WrnDocument read = Decoded(cut);
        EXPECT_EQ(read.objects.size(), objects);
        EXPECT_TRUE(read.notes.cutShort);
        EXPECT_TRUE(read.Problems(QStringLiteral("a.wrn")).contains(QStringLiteral("a.wrn")));
    }

    // A vertex count outside 0 ... 1000 is held to it.
    QByteArray curve = BlankRecord(ObjectType::Curve);
    PutInt(curve, 4 + 8592, 5000);
    EXPECT_EQ(static_cast<CurveObject&>(*Decoded(Header() + curve).objects.at(0)).PointCount(), 1000);
    PutInt(curve, 4 + 8592, -3);
    EXPECT_EQ(static_cast<CurveObject&>(*Decoded(Header() + curve).objects.at(0)).PointCount(), 0);

    // No bytes at all: an empty page, as a new newsletter is, and nothing to say.
    EXPECT_FALSE(Decoded(QByteArray()).hasHeader);

    // Objects beyond the limit stay unread, and the reader says so.
    DocumentReadOptions options;
    options.loadPictures = false;
    options.maxObjects = 2;
    const WrnDocument capped = WrnFormat::Decode(whole + BlankRecord(ObjectType::Symbol), options);
    EXPECT_EQ(capped.objects.size(), 2u);
    EXPECT_TRUE(capped.Problems(QStringLiteral("a.wrn")).contains(QStringLiteral("only its first 2 objects were read")));
    EXPECT_FALSE(WrnFormat::Decode(whole, options).notes.tooManyObjects);
}

// A header giving a page of this size, and one object after it.
QByteArray PageOfSize(qint32 width, qint32 height)
{
    QByteArray bytes = Header();
    PutInt(bytes, 60, width);
    PutInt(bytes, 64, height);
    return bytes + BlankRecord(ObjectType::Symbol);
}

// Headers no page can have give no page at all, and say why; the largest and smallest
// sizes a header may give are read.
TEST(WrnDocument, HeadersOfImpossiblePagesAreRefused)
{
    using Refusal = ReadNotes::Refusal;
    int row = 0;
    for (const auto& [bytes, refusal] : {std::pair{Header().left(87), Refusal::TooShort},
                                         {PageOfSize(0, 1098), Refusal::NotAPage},
                                         {PageOfSize(850, -1), Refusal::NotAPage},
                                         {PageOfSize(100001, 1098), Refusal::NotAPage},
                                         {PageOfSize(850, 168562444), Refusal::NotAPage},
                                         {PageOfSize(1, 1), Refusal::None},
                                         {PageOfSize(100000, 100000), Refusal::None}}) {
        SCOPED_TRACE(row++);
        const WrnDocument read = Decoded(bytes);
        const bool refused = refusal != Refusal::None;
        EXPECT_EQ(read.notes.refusal, refusal);
        EXPECT_EQ(read.hasHeader, !refused);
        EXPECT_EQ(read.objects.size(), refused ? 0u : 1u);
        EXPECT_EQ(read.Problems(QStringLiteral("kite.wrn")).isEmpty(), !refused);
    }
}

TEST(WrnDocument, FilesThatCannotBeReadOrWrittenSaySoAndJsonGivesRelativeVertices)
{
    // Whole pages are written and read back by the photo tests; here, what fails.
    QTemporaryDir dir;
    EXPECT_FALSE(LoadDocument(dir.filePath(QStringLiteral("missing.wrn"))).has_value());
    EXPECT_FALSE(SaveDocument(dir.filePath(QStringLiteral("no/such/x.wrn")), WrnPage{}, {}));

    ObjectList objects;
    objects.push_back(std::make_unique<CurveObject>(QList<QPoint>{{10, 50}, {200, 50}}, 1, 1, 0, 0));
    WrnDocument document = WrnFormat::Decode(WrnFormat::Encode(WrnPage{}, objects), {});
    const QJsonObject json = DocumentJson::FromDocument(document);
    const QJsonObject line = json[QStringLiteral("objects")].toArray()[0].toObject();
    EXPECT_EQ(line[QStringLiteral("vertices")].toArray(),
              (QJsonArray{QJsonArray{5, 5}, QJsonArray{195, 5}}));
}
