#include "staff/MonthCalendarPainting.h"

#include <QPainter>

using namespace TimeSheet;

namespace MonthCalendarPainting {

namespace {

// Title, weekday headings, six weeks and the note: nine rows of equal height.
constexpr int kRows = 9;
constexpr qreal kMargin = 6;

const char* const kWeekdays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                 "Friday", "Saturday", "Sunday"};

QRectF Inner(const QRectF& area)
{
    return area.adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

qreal RowHeight(const QRectF& area)
{
    return Inner(area).height() / kRows;
}

QRectF RowRect(const QRectF& area, int row)
{
    const QRectF inner = Inner(area);
    const qreal height = RowHeight(area);
    return QRectF(inner.left(), inner.top() + row * height, inner.width(), height);
}

QRectF ColumnOf(const QRectF& row, int column)
{
    const qreal width = row.width() / 7;
    return QRectF(row.left() + column * width, row.top(), width, row.height());
}

QFont Arial(qreal pixelSize, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

struct CellLook
{
    QColor fill;
    QColor text;
    const char* label;
};

CellLook LookOf(DayKind kind)
{
    switch (kind) {
    case DayKind::Sick: return {QColor(kSickColor), Qt::white, "Sick"};
    case DayKind::Annual: return {QColor(kAnnualColor), Qt::black, "Annual Leave"};
    case DayKind::Working: return {QColor(kWorkingColor), Qt::black, nullptr};
    case DayKind::None: break;
    }
    return {Qt::white, Qt::black, nullptr};
}

} // namespace

QRectF DayCell(const QRectF& area, YearMonth month, int day)
{
    const QDate first(month.year, month.month, 1);
    const int index = first.dayOfWeek() - 1 + day - 1;
    return ColumnOf(RowRect(area, 2 + index / 7), index % 7);
}

void Paint(QPainter& painter, const QRectF& area, const MonthSheet& sheet)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(QColor(kFrameColor).darker(130), 1));
    painter.setBrush(QColor(kFrameColor));
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));

    const qreal rowHeight = RowHeight(area);
    painter.setPen(Qt::black);
    painter.setFont(Arial(rowHeight * 0.62, true, true));
    painter.drawText(RowRect(area, 0), Qt::AlignCenter,
                     QStringLiteral("%1 %2").arg(MonthName(sheet.month.month)).arg(sheet.month.year));

    const QRectF headings = RowRect(area, 1);
    painter.setFont(Arial(qMin(rowHeight * 0.36, headings.width() / 7 / 6), true));
    for (int column = 0; column < 7; ++column)
        painter.drawText(ColumnOf(headings, column), Qt::AlignCenter,
                         QString::fromLatin1(kWeekdays[column]));

    const QDate first(sheet.month.year, sheet.month.month, 1);
    if (!first.isValid()) {
        painter.restore();
        return;
    }
    const QFont dayFont = Arial(rowHeight * 0.3);
    const QFont labelFont = Arial(qMin(rowHeight * 0.3, ColumnOf(headings, 0).width() / 8), true);
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        const QRectF cell = DayCell(area, sheet.month, day);
        const CellLook look = LookOf(KindOf(sheet.days[size_t(day - 1)]));
        painter.setPen(QPen(Qt::gray, 1));
        painter.setBrush(look.fill);
        painter.drawRect(cell);
        painter.setPen(look.text);
        painter.setFont(dayFont);
        painter.drawText(cell.adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop,
                         QString::number(day));
        if (look.label) {
            painter.setFont(labelFont);
            painter.drawText(cell.adjusted(2, 0, -2, 0), Qt::AlignCenter,
                             QString::fromLatin1(look.label));
        }
    }

    if (!sheet.note.isEmpty()) {
        painter.setPen(Qt::black);
        painter.setFont(Arial(qMin(16.0, rowHeight * 0.5)));
        painter.drawText(RowRect(area, kRows - 1).adjusted(4, 0, -4, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         QStringLiteral("Note: %1").arg(sheet.note));
    }
    painter.restore();
}

} // namespace MonthCalendarPainting
