#include "canvas/objects/CalendarObject.h"

#include "canvas/objects/CalendarLayout.h"
#include "canvas/objects/FillStyles.h"
#include "canvas/objects/ObjectIdentity.h"
#include "canvas/objects/Rotation.h"
#include "canvas/objects/ShapeOutlines.h"
#include "canvas/objects/TextLayout.h"

#include <QPainter>
#include <algorithm>

namespace {
// Room between a top-left number and its cell's border.
constexpr int kNumberInset = 3;

// A wall calendar's sheet: a round rectangle punched with two holes for its rings,
// kept clear of the title in the middle.
QPainterPath WallSheet(const PageRect& rect)
{
    const QPainterPath sheet = ShapeOutline::Build(ShapeOutline::RoundRectangle, rect, 0);
    const QRectF area = rect.ToRectF();
    const double radius = std::clamp(std::min(area.width(), area.height()) * 0.025, 2.0, 12.0);
    QPainterPath holes;
    for (const double share : {0.1, 0.9})
        holes.addEllipse(QPointF(area.left() + area.width() * share, area.top() + 3 * radius),
                         radius, radius);
    return sheet.subtracted(holes);
}
} // namespace

CalendarObject::CalendarObject()
    : PageObject(ObjectType::Calendar, ObjectIdentity::New(u'C'))
{
}

std::unique_ptr<PageObject> CalendarObject::Clone() const
{
    return std::make_unique<CalendarObject>(*this);
}

QString CalendarObject::Title() const
{
    QString title = CalendarNames::EnglishMonth(m_nMonth);
    if (m_bOwnLanguage && m_nMonth >= 1 && m_nMonth <= m_monthNames.size() &&
        !m_monthNames[m_nMonth - 1].isEmpty())
        title = m_monthNames[m_nMonth - 1];
    if (m_bShowYear)
        title += QStringLiteral(" %1").arg(m_nYear);
    return title;
}

bool CalendarObject::IsHoliday(int day) const
{
    return m_publicHolidays.contains(QDate(m_nYear, m_nMonth, day));
}

void CalendarObject::DrawContent(QPainter& painter, const DrawContext&)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setTransform(RotationAbout(m_rect.Center(), m_nAngle), true);
    DrawBackground(painter);
    DrawGrid(painter);
    painter.restore();
}

void CalendarObject::DrawBackground(QPainter& painter)
{
    if (m_nCalendarShape == CalendarShape::Transparent) {
        m_nFillType = FillType::None;
        return;
    }
    QPainterPath figure;
    switch (m_nCalendarShape) {
    case CalendarShape::Rectangle: figure = ShapeOutline::Build(ShapeOutline::Rectangle, m_rect, 0); break;
    case CalendarShape::RoundRectangle:
        figure = ShapeOutline::Build(ShapeOutline::RoundRectangle, m_rect, 0);
        break;
    case CalendarShape::WallSheet: figure = WallSheet(m_rect); break;
    default: return;
    }
    const bool filled = m_nFillType == FillType::Gradient || m_nFillType == FillType::Texture ||
                        m_bFill;
    QBrush brush;
    if (filled) {
        // Without a picture of its own the texture leaves the background unfilled.
        const QImage* texture = m_nFillType == FillType::Texture && !m_strTexturePath.isEmpty()
                                    ? m_backgroundTexture.For(m_strTexturePath)
                                    : nullptr;
        brush = ShapeFillBrush(m_crCalendar, texture ? QBrush(*texture) : QBrush());
    }
    PaintShapeShadow(painter, figure, filled);
    if (brush.style() != Qt::NoBrush)
        painter.fillPath(figure, brush);
    if (!m_bNoLine && m_nLineWidth > 0)
        painter.strokePath(figure, OutlinePen(m_crLine, m_nLineWidth, m_nLineStyle));
}

void CalendarObject::DrawGrid(QPainter& painter) const
{
    const CalendarLayout layout(m_rect, m_nYear, m_nMonth, m_bSundayFirst);
    if (layout.ColumnWidth() <= 0 || layout.RowHeight() <= 0)
        return;
    const bool transparent = m_nCalendarShape == CalendarShape::Transparent;

    painter.setFont(PageFont(m_strTitleFont, m_nTitleSize, m_bTitleBold, m_bTitleItalic));
    painter.setPen(ToQColor(m_crTitle));
    painter.drawText(layout.TitleBand(), Qt::AlignCenter, Title());

    if (!m_bNoWeekdayBand)
        painter.fillRect(layout.WeekdayBand(transparent), ToQColor(m_crWeekdayBand));
    painter.setFont(PageFont(m_strWeekdayFont, m_nWeekdaySize, m_bWeekdayBold, m_bWeekdayItalic));
    painter.setPen(ToQColor(m_crWeekday));
    const QStringList headings = CalendarNames::WeekdayHeadings(
        m_nWeekdayStyle, m_bSundayFirst, m_bOwnLanguage ? &m_weekdayNames : nullptr);
    for (int column = 1; column <= 7; ++column)
        painter.drawText(layout.WeekdayCell(column), Qt::AlignCenter, headings[column - 1]);

    DrawDays(painter, layout);
}

void CalendarObject::DrawDays(QPainter& painter, const CalendarLayout& layout) const
{
    const bool transparent = m_nCalendarShape == CalendarShape::Transparent;
    const bool bordered = transparent && m_bCellBorders;
    const int placement = bordered && m_bTopLeftNumbers ? Qt::AlignLeft | Qt::AlignTop
                                                        : Qt::AlignCenter;
    const QFont dayFont = PageFont(m_strDayFont, m_nDaySize, m_bDayBold, m_bDayItalic);
    const QFont markedFont = PageFont(m_strDayFont, m_nDaySize, true, m_bDayItalic);
    const QPen borderPen = OutlinePen(m_crLine, m_nLineWidth, m_nLineStyle);

    for (int day = 1; day <= layout.DaysInMonth(); ++day) {
        const QRect cell = layout.DayCell(day);
        const bool holiday = IsHoliday(day);
        const bool filledMark = holiday && m_nHolidayMark == 0;
        if (filledMark)
            painter.fillRect(cell, ToQColor(m_crHoliday));
        const bool boldMark = holiday && !filledMark;
        painter.setFont(boldMark ? markedFont : dayFont);
        painter.setPen(ToQColor(boldMark ? m_crHoliday : m_crDay));
        const QRect numberBox = placement == Qt::AlignCenter
                                    ? cell
                                    : cell.adjusted(kNumberInset, kNumberInset, 0, 0);
        painter.drawText(numberBox, placement, QString::number(day));
        if (bordered) {
            painter.setPen(borderPen);
            painter.drawRect(cell);
        }
    }
}
