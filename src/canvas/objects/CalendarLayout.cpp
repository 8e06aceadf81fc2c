#include "canvas/objects/CalendarLayout.h"

#include <QDate>
#include <algorithm>
#include <array>

namespace {
constexpr int kSideMargin = 10;
constexpr int kRowsInHeight = 9;
constexpr int kBandInset = 6;

// Edges a damaged document may hold are brought within a range where every cell's
// corners can still be counted in ints; no page comes near it.
constexpr std::int32_t kFarthestEdge = 1 << 28;

PageRect WithinReach(const PageRect& rect)
{
    const auto near = [](std::int32_t edge) {
        return std::clamp(edge, -kFarthestEdge, kFarthestEdge);
    };
    return {near(rect.left), near(rect.top), near(rect.right), near(rect.bottom)};
}
} // namespace

CalendarLayout::CalendarLayout(const PageRect& rect, int year, int month, bool sundayFirst)
    : m_rect(WithinReach(rect)),
      m_workLeft(m_rect.left + kSideMargin),
      m_workWidth(m_rect.Width() - 2 * kSideMargin),
      m_columnWidth(m_workWidth / 7),
      m_rowHeight(m_rect.Height() / kRowsInHeight)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return;
    m_days = first.daysInMonth();
    // Qt counts Monday 1 to Sunday 7, which is the Monday-first column already.
    const int mondayFirst = first.dayOfWeek();
    m_firstColumn = sundayFirst ? mondayFirst % 7 + 1 : mondayFirst;
}

QRectF CalendarLayout::TitleBand() const
{
    return QRectF(m_workLeft, m_rect.top, m_workWidth, m_rowHeight * 1.8);
}

QRect CalendarLayout::WeekdayBand(bool transparentShape) const
{
    const int inset = transparentShape ? kBandInset : 0;
    return QRect(m_workLeft + inset, m_rect.top + 2 * m_rowHeight, m_workWidth - 2 * inset,
                 m_rowHeight);
}

QRect CalendarLayout::WeekdayCell(int column) const
{
    return QRect(m_workLeft + (column - 1) * m_columnWidth, m_rect.top + 2 * m_rowHeight,
                 m_columnWidth, m_rowHeight);
}

QRect CalendarLayout::DayCell(int day) const
{
    const int slot = m_firstColumn - 1 + day - 1;
    return QRect(m_workLeft + slot % 7 * m_columnWidth,
                 m_rect.top + 3 * m_rowHeight + 2 + slot / 7 * m_rowHeight, m_columnWidth,
                 m_rowHeight);
}

namespace CalendarNames {

QString EnglishMonth(int month)
{
    static const std::array<const char*, 12> names{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? QString::fromLatin1(names[month - 1]) : QString();
}

QStringList WeekdayHeadings(int style, bool sundayFirst, const QStringList* ownNames)
{
    // Monday first; the spellings are the ones calendars have always shown.
    static const std::array<const char*, 7> shortNames{"Mon", "Tue", "Wen", "Thu",
                                                       "Fri", "Sat", "Sun"};
    static const std::array<const char*, 7> fullNames{
        "Monday", "Tuesday", "Wendseday", "Thursday", "Friday", "Saturday", "Sunday"};
    static const std::array<const char*, 7> letters{"M", "T", "W", "T", "F", "S", "S"};
    const auto& english = style == 1 ? shortNames : style == 2 ? fullNames : letters;

    QStringList headings;
    for (int column = 0; column < 7; ++column) {
        const int monday = sundayFirst ? (column + 6) % 7 : column;
        headings.append(ownNames ? ownNames->value(monday)
                                 : QString::fromLatin1(english[monday]));
    }
    return headings;
}

} // namespace CalendarNames
