#include "CanvasTestKit.h"
#include "support/TempHome.h"

#include "settings/ProgramState.h"
#include "settings/SettingsKeys.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/DocumentJson.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/ObjectIdentity.h"
#include "canvas/objects/ShapeOutlines.h"
#include "canvas/objects/SymbolObject.h"
#include "canvas/objects/TextObject.h"
#include "platform/SettingsStore.h"

#include <QLineF>
#include <gtest/gtest.h>

namespace {

// The desktop program's numbering, from the counter in the settings.
class PersistentIdentities : public ::testing::Test
{
protected:
    PersistentIdentities()
    {
        UseGlobalObjectIdsForCanvasObjects();
        Program().objectIds.Load(m_home.Settings());
    }
    ~PersistentIdentities() override { ObjectIdentity::SetSource({}); }

    int StoredCounter() const
    {
        return m_home.Settings().GetInt(QString::fromLatin1(SettingsKey::General),
                                        QString::fromLatin1(SettingsKey::GlobalObjectId), -1);
    }

    TempHome m_home;
};

} // namespace

TEST_F(PersistentIdentities, EachNumberedKindTakesTheNextNumberAndStoresIt)
{
    const int first = StoredCounter() < 0 ? 1 : StoredCounter();
    PhotoObject photo;
    CurveObject freehand;
    CurveObject line({{0, 0}, {5, 5}}, CurveKind::Line, 1, 0, 0);
    EXPECT_EQ(photo.m_strID, QStringLiteral("I%1").arg(first + 1));
    EXPECT_EQ(freehand.m_strID, QStringLiteral("C%1").arg(first + 2));
    EXPECT_EQ(line.m_strID, QStringLiteral("S%1").arg(first + 3));

    // Text takes no number from the counter.
    TextObject text;
    EXPECT_EQ(StoredCounter(), first + 3);
}

TEST_F(PersistentIdentities, ReadingADocumentStoresTheCounterOnceAtTheEnd)
{
    ObjectList objects;
    for (int i = 0; i < 3; ++i)
        objects.push_back(std::make_unique<ShapeObject>());
    const QByteArray bytes = WrnFormat::Encode(WrnPage{}, objects);
    const int before = StoredCounter();
    const WrnDocument read = WrnFormat::Decode(bytes);
    EXPECT_EQ(StoredCounter(), before + 3);
    EXPECT_EQ(read.objects.back()->m_strID, QStringLiteral("D%1").arg(before + 3));
}

TEST(ObjectModel, CopiesTakeANewIdentityAndComeUnlocked)
{
    const ObjectList originals = OneOfEveryStoredType();
    for (const auto& original : originals) {
        SCOPED_TRACE(original->m_nType);
        original->m_bLocked = 1;
        const std::unique_ptr<PageObject> copy = original->Clone();
        EXPECT_NE(copy->m_strID, original->m_strID);
        EXPECT_EQ(copy->m_bLocked, 0);
        copy->m_bLocked = 1;
        EXPECT_EQ(DocumentJson::FromObject(*copy), DocumentJson::FromObject(*original));
    }
}

TEST(CurveConstruction, PointsStarCornersAndSymbolSizesComeFromTheirBox)
{
    // Up to 999 points are kept.
    QList<QPoint> many;
    for (int i = 0; i < 1200; ++i)
        many.append(QPoint(i, i % 7));
    EXPECT_EQ(CurveObject(many, CurveKind::OpenFreehand, 1, 0, 0).m_rect, (PageRect{0, 0, 998, 6}));

    // A thin line widens only across its thin side.
    const CurveObject thin({{10, 20}, {110, 21}}, CurveKind::ThinLine, 1, 0, 0);
    EXPECT_EQ(thin.m_rect, (PageRect{10, 15, 110, 26}));

    // The corners alternate between the two radii about the centre.
    const PageRect box{0, 0, 200, 300};
    for (int points : {5, 10}) {
        const QVector<QPoint> corners = ShapeOutline::StarVertices(box, points);
        ASSERT_EQ(corners.size(), 2 * points);
        const int inner = ShapeOutline::StarInnerRadius(100, points);
        for (int k = 0; k < corners.size(); ++k) {
            const double r = QLineF(QPointF(100, 150), corners[k]).length();
            EXPECT_NEAR(r, k % 2 == 0 ? 100 : inner, 1.5) << "corner " << k;
        }
    }
    EXPECT_TRUE(ShapeOutline::StarVertices(box, 0).isEmpty());

    SymbolObject symbol;
    symbol.m_strSymbolFont = QStringLiteral("No Such Font Anywhere");
    symbol.m_rect = {0, 0, 30, 70};
    EXPECT_NE(symbol.SymbolFont().family(), symbol.m_strSymbolFont);
    EXPECT_EQ(symbol.SymbolFont().pixelSize(), 30);
}

TEST(HitTesting, EachKindAnswersForItsOwnFigure)
{
    const ShapeObject ellipse(PageRect{0, 0, 100, 100}, 4, 1, 0, 0, 0);
    EXPECT_TRUE(ellipse.HitTest({50, 50}));
    EXPECT_FALSE(ellipse.HitTest({3, 3}));
    ShapeObject turned(PageRect{0, 40, 100, 60}, 2, 1, 0, 0, 0);
    turned.m_nAngle = 90;
    EXPECT_TRUE(turned.HitTest({50, 5}));
    EXPECT_FALSE(turned.HitTest({5, 50}));

    const CurveObject line({{10, 50}, {200, 50}}, CurveKind::Line, 1, 0, 0);
    EXPECT_TRUE(line.HitTest({100, 52.5}));
    EXPECT_FALSE(line.HitTest({100, 54}));
    const CurveObject triangle({{0, 0}, {100, 0}, {50, 100}}, CurveKind::ClosedFreehand, 1, 0, 0);
    EXPECT_TRUE(triangle.HitTest({50, 30}));
    EXPECT_FALSE(triangle.HitTest({5, 90}));
    const CurveObject open({{0, 0}, {100, 0}, {50, 100}}, CurveKind::OpenFreehand, 1, 0, 0);
    EXPECT_FALSE(open.HitTest({50, 30}));
    EXPECT_TRUE(open.HitTest({75, 51}));
}
