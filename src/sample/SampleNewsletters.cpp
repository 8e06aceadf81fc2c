#include "sample/SampleNewsletters.h"

#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/PageFrame.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/objects/ShapeOutlines.h"
#include "canvas/objects/TextObject.h"
#include "canvas/objects/WrnDocument.h"
#include "canvas/objects/photo/PhotoAdjustments.h"
#include "photos/PhotoLibraryLayout.h"

#include <QDir>
#include <QLocale>

namespace SampleNewsletters {

namespace {

constexpr int kLeft = PageFrame::kOrigin;
constexpr int kTop = PageFrame::kOrigin;
constexpr int kCloud = 124;
constexpr int kSpeechBubble = 26;

class Page
{
public:
    explicit Page(ColorRef background) { m_document.page.background = background; }

    TextObject& Text(PageRect rect, const QString& text, int size, ColorRef colour)
    {
        auto object = std::make_unique<TextObject>(Moved(rect), text);
        object->m_nFontSize = size;
        object->m_crLine = colour;
        object->m_strFontName = QStringLiteral("DejaVu Sans");
        return Add(std::move(object));
    }
    TextObject& Headline(PageRect rect, const QString& text, ColorRef fill)
    {
        TextObject& headline = Text(rect, text, 56, Rgb(40, 40, 110));
        headline.m_nTextStyle = 2;
        headline.m_bBold = 1;
        headline.m_nAlign = 1;
        headline.m_nFillType = FillType::Gradient;
        headline.m_crFill = fill;
        headline.m_nShadowType = ShadowType::Hard;
        headline.m_crShadow = Rgb(120, 120, 160);
        headline.m_nOutlineWidth = 2;
        return headline;
    }
    ShapeObject& Shape(PageRect rect, int kind, ColorRef fill)
    {
        auto shape = std::make_unique<ShapeObject>(Moved(rect), kind, 2, 0, Rgb(60, 60, 90), fill);
        shape->m_bFill = 1;
        shape->m_nFillType = FillType::Solid;
        shape->m_crFill = fill;
        shape->m_nStarPoints = 5;
        return Add(std::move(shape));
    }
    PhotoObject& Photo(PageRect rect, const QString& path)
    {
        auto photo = std::make_unique<PhotoObject>();
        photo->m_rect = Moved(rect);
        photo->SetPath(path);
        photo->LoadPicture();
        return Add(std::move(photo));
    }
    CalendarObject& Calendar(PageRect rect, const QDate& month)
    {
        auto calendar = std::make_unique<CalendarObject>();
        calendar->m_rect = Moved(rect);
        calendar->m_nYear = month.year();
        calendar->m_nMonth = month.month();
        calendar->m_nCalendarShape = 3;
        calendar->m_bFill = 1;
        calendar->m_nFillType = FillType::Solid;
        calendar->m_crCalendar = Rgb(255, 250, 235);
        calendar->m_bShowYear = 1;
        calendar->m_nTitleSize = 26;
        calendar->m_bTitleBold = 1;
        calendar->m_nWeekdaySize = 13;
        calendar->m_nDaySize = 15;
        return Add(std::move(calendar));
    }

    bool Save(const QString& path) const
    {
        return SaveDocument(path, m_document.page, m_document.objects);
    }

private:
    // Rectangles are given from the page's top-left corner.
    static PageRect Moved(PageRect rect)
    {
        return {rect.left + kLeft, rect.top + kTop, rect.right + kLeft, rect.bottom + kTop};
    }
    template <typename Object>
    Object& Add(std::unique_ptr<Object> object)
    {
        Object& added = *object;
        m_document.objects.push_back(std::move(object));
        return added;
    }

    WrnDocument m_document;
};

QString MonthTitle(const QDate& month)
{
    return QLocale(QLocale::English).monthName(month.month()) + QLatin1Char(' ')
           + QString::number(month.year());
}

// The class folder's photo of a scene.
class ClassPhotos
{
public:
    explicit ClassPhotos(const QString& picturesRoot)
        : m_folder(QDir(picturesRoot).filePath(QString::fromLatin1(PhotoLibrary::kClassFolder)))
    {
    }
    QString Of(const char* scene) const
    {
        return m_folder.filePath(QLatin1String(scene) + QLatin1String(".jpg"));
    }

private:
    QDir m_folder;
};

QString Material(const QString& picturesRoot, const char* name)
{
    return QDir(PhotoLibrary::MaterialsFolder(picturesRoot)).filePath(QLatin1String(name));
}

bool WriteNews(const QString& path, const QString& root, const ClassPhotos& photos,
               const QDate& today)
{
    using namespace PhotoAdjustments;
    Page page(Rgb(255, 248, 225));
    page.Photo({20, 10, 250, 75}, Material(root, "Banner Welcome.png"));
    page.Headline({20, 70, 830, 160}, QStringLiteral("Sunny Hill News"), Rgb(255, 190, 40));
    page.Text({20, 160, 830, 200}, MonthTitle(today), 22, Rgb(90, 60, 30)).m_nAlign = 1;
    page.Photo({700, 5, 820, 125}, Material(root, "Sun.png"));

    PhotoObject& big = page.Photo({30, 220, 450, 535}, photos.Of("Garden"));
    SetBorder(big, 6, Rgb(255, 255, 255));
    SetPhotoShadow(big, 0, 10, 90, Rgb(80, 60, 40));
    PhotoObject& round = page.Photo({480, 220, 820, 475}, photos.Of("Blocks"));
    SetFrameShape(round, PhotoObject::kInEllipse);
    SetBorder(round, 4, Rgb(236, 64, 122));
    page.Photo({40, 560, 260, 725}, photos.Of("Painting easel")).m_nAngle = -4;
    SetBorder(page.Photo({280, 560, 500, 725}, photos.Of("Sandpit")), 4, Rgb(41, 150, 230));

    page.Shape({520, 500, 820, 700}, kCloud, Rgb(225, 240, 255));
    page.Text({560, 550, 790, 670},
              QStringLiteral("This month we planted sunflowers, built block towers and "
                             "painted the biggest sun ever."), 15, Rgb(30, 50, 90));
    page.Shape({30, 760, 110, 840}, ShapeOutline::Star, Rgb(255, 200, 30));
    page.Shape({120, 770, 180, 830}, ShapeOutline::Heart, Rgb(236, 64, 122));
    page.Text({30, 860, 470, 1060},
              QStringLiteral("Reminders\n\n- Hats and sun cream every day\n- Spare clothes in "
                             "the bag, please\n- Tuition is due each Monday\n- Our garden "
                             "party is on the last Friday"), 16, Rgb(40, 40, 40));
    page.Calendar({490, 730, 830, 1060}, today);
    return page.Save(path);
}

bool WriteEvents(const QString& path, const QString& root, const ClassPhotos& photos,
                 const QDate& next)
{
    using namespace PhotoAdjustments;
    Page page(Rgb(232, 244, 255));
    page.Headline({20, 20, 830, 110}, QStringLiteral("Coming Up in ") + QLocale(QLocale::English).monthName(next.month()),
                  Rgb(120, 200, 120));
    page.Photo({40, 130, 420, 235}, Material(root, "Banner Happy Birthday.png"));
    page.Photo({440, 120, 540, 220}, Material(root, "Balloon Red.png"));
    page.Photo({530, 125, 630, 225}, Material(root, "Balloon Blue.png"));
    page.Photo({620, 120, 720, 220}, Material(root, "Balloon Yellow.png"));

    PhotoObject& cake = page.Photo({40, 260, 430, 552}, photos.Of("Birthday cake"));
    SetFrameShape(cake, PhotoObject::kInRoundRectangle);
    SetBorder(cake, 5, Rgb(250, 150, 190));
    page.Shape({460, 270, 820, 470}, kSpeechBubble, Rgb(255, 255, 255));
    page.Text({495, 295, 790, 410},
              QStringLiteral("Three of our friends have birthdays this month. We will bake "
                             "a cake together on Friday!"), 15, Rgb(60, 30, 60));
    page.Photo({470, 480, 640, 610}, Material(root, "Kite.png"));
    page.Photo({650, 480, 820, 610}, Material(root, "Flower.png"));
    page.Text({40, 580, 440, 720},
              QStringLiteral("Kite day: bring a kite, or make one with us in the art corner. "
                             "Parents are welcome to join from 3 pm."), 16, Rgb(30, 60, 30));
    SetBorder(page.Photo({40, 740, 300, 935}, photos.Of("Kite")), 4,
              Rgb(255, 255, 255));
    page.Shape({60, 960, 140, 1040}, ShapeOutline::Star, Rgb(255, 180, 0));
    page.Shape({160, 970, 230, 1040}, ShapeOutline::Star, Rgb(120, 200, 250));
    page.Calendar({330, 640, 830, 1060}, next);
    return page.Save(path);
}

} // namespace

QStringList FileNames(const QDate& today)
{
    return {QStringLiteral("%1 News.wrn").arg(MonthTitle(today)),
            QStringLiteral("%1 Events.wrn").arg(MonthTitle(today.addMonths(1)))};
}

QString Write(const QString& folder, const QString& picturesRoot, const QDate& today)
{
    if (!QDir().mkpath(folder))
        return QStringLiteral("could not make the folder %1").arg(folder);
    const QStringList names = FileNames(today);
    const ClassPhotos photos(picturesRoot);
    const QDir dir(folder);
    if (!WriteNews(dir.filePath(names[0]), picturesRoot, photos, today)
        || !WriteEvents(dir.filePath(names[1]), picturesRoot, photos, today.addMonths(1)))
        return QStringLiteral("could not write the newsletters in %1")
            .arg(QDir::toNativeSeparators(folder));
    return {};
}

} // namespace SampleNewsletters
