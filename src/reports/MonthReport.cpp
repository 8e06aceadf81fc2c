#include "reports/MonthReport.h"

#include "canvas/objects/PageRect.h"
#include "platform/Clock.h"
#include "records/EnrollmentTable.h"
#include "records/PaymentTable.h"
#include "records/RecordsDatabase.h"
#include "records/StaffTable.h"
#include "records/TimeSheetTable.h"
#include "settings/ProgramState.h"
#include "staff/MonthCalendarPainting.h"
#include "tuition/StatementFigures.h"
#include "tuition/StatementObject.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kHeadingLine = 20;      // the list's headings stand above this line
constexpr int kStaffNameHeight = 24;  // the name above each calendar
constexpr int kCalendarGap = 10;
constexpr QRgb kRowLineColor = qRgb(210, 210, 210);

QFont Arial(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString MonthText(TimeSheet::YearMonth month)
{
    return QStringLiteral("%1 %2").arg(TimeSheet::MonthName(month.month)).arg(month.year);
}

// A message where the report's rows would be.
void PaintNotice(QPainter& painter, const QRectF& area, const QString& text)
{
    painter.setPen(Qt::black);
    painter.setFont(Arial(16, true));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

QString Joined(const QStringList& addresses)
{
    QString list;
    for (const QString& address : addresses)
        if (!address.trimmed().isEmpty())
            list += address.trimmed() + QLatin1Char(';');
    return list;
}

} // namespace

MonthReport::MonthReport()
    : m_month(TimeSheet::MonthOf(Clock::TodayUtc())),
      m_statement(std::make_unique<StatementObject>(
          PageRect{kSheetArea.left(), kSheetArea.top(), kSheetArea.left() + kSheetArea.width(),
                   kSheetArea.top() + kSheetArea.height()}))
{
}

MonthReport::~MonthReport() = default;

bool MonthReport::HasChild() const
{
    return TuitionStatement::NamesAChild(m_child);
}

bool MonthReport::HaveRecordsets()
{
    if (!RecordsDatabaseExists())
        return false;
    if (!m_payments) {
        m_payments = std::make_unique<PaymentTable>();
        m_enrollment = std::make_unique<EnrollmentTable>();
    }
    if (!m_staffSet) {
        m_staffSet = std::make_unique<StaffTable>();
        m_sheets = std::make_unique<TimeSheetTable>();
    }
    return true;
}

bool MonthReport::Load()
{
    m_readProblem.clear();
    m_listRows.clear();
    m_listAddresses.clear();
    m_staff.clear();
    m_staffAddresses.clear();
    m_parentAddress.clear();
    m_statement->Choose(HasChild() ? m_child : QString(), m_month.year, m_month.month);
    if (!HaveRecordsets())
        return true;
    try {
        switch (m_kind) {
        case ReportKind::Statement:
            if (HasChild() && m_enrollment->SelectNamed(m_child))
                m_parentAddress = m_enrollment->m_Email;
            break;
        case ReportKind::TuitionList:
            m_listRows = TuitionList::Read(*m_enrollment, *m_payments, m_month, &m_listAddresses);
            break;
        case ReportKind::Staff: {
            m_staffSet->SelectStaff(QStringLiteral("All"));
            std::vector<QString> names;
            for (m_staffSet->MoveFirst(); !m_staffSet->IsEOF(); m_staffSet->MoveNext()) {
                names.push_back(m_staffSet->m_Name);
                m_staffAddresses << m_staffSet->m_Email;
            }
            for (const QString& name : names)
                m_staff.push_back({name, TimeSheet::ReadMonth(*m_sheets, name, m_month)});
            break;
        }
        }
    } catch (const DatabaseError& error) {
        m_listRows.clear();
        m_staff.clear();
        m_readProblem = error.Message();
        return false;
    }
    return true;
}

QString MonthReport::Title() const
{
    switch (m_kind) {
    case ReportKind::Statement:
        return HasChild() ? QStringLiteral("Tuition Statement of %1, %2").arg(m_child, MonthText(m_month))
                          : QStringLiteral("Tuition Statement, %1").arg(MonthText(m_month));
    case ReportKind::TuitionList: return QStringLiteral("Tuition List, %1").arg(MonthText(m_month));
    case ReportKind::Staff: return QStringLiteral("Staff Report, %1").arg(MonthText(m_month));
    }
    return {};
}

int MonthReport::ListRowsPerPage() const
{
    return (kSheetArea.height() - kHeadingLine) / kListRowHeight;
}

int MonthReport::PageCount() const
{
    const auto pagesFor = [](std::size_t items, int perPage) {
        return std::max(1, int((items + std::size_t(perPage) - 1) / std::size_t(perPage)));
    };
    switch (m_kind) {
    case ReportKind::Statement: return 1;
    case ReportKind::TuitionList: return pagesFor(m_listRows.size(), ListRowsPerPage());
    case ReportKind::Staff: return pagesFor(m_staff.size(), kCalendarsPerPage);
    }
    return 1;
}

void MonthReport::PaintPage(QPainter& painter, int index)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    switch (m_kind) {
    case ReportKind::Statement: PaintStatement(painter); break;
    case ReportKind::TuitionList: PaintList(painter, index); break;
    case ReportKind::Staff: PaintStaff(painter, index); break;
    }
    painter.restore();
}

void MonthReport::PaintPageTitle(QPainter& painter, const QRect& area, int index)
{
    const QRectF band(area.left(), 6, area.width(), 26);
    painter.setPen(Qt::black);
    painter.setFont(Arial(15, true));
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, Title());
    const int pages = PageCount();
    if (pages > 1) {
        painter.setFont(Arial(11));
        painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Page %1 of %2").arg(index + 1).arg(pages));
    }
}

void MonthReport::PaintStatement(QPainter& painter)
{
    m_statement->DrawStatement(painter);
    if (!HasChild()) {
        const QRect childBlock(kSheetArea.left(), kSheetArea.top() + kSheetArea.height() * 11 / 40,
                               kSheetArea.width(), kSheetArea.height() / 5);
        PaintNotice(painter, childBlock,
                    QStringLiteral("No child is chosen: select a child's folder in the photo "
                                   "tree to see the child's statement."));
    }
}

namespace {

// A name too long for its column is set in a smaller type, then on two lines, before
// anything of it is cut: a parent must recognise the child.
void PaintChildName(QPainter& painter, const QRectF& cell, const QString& name,
                    const QFontMetricsF& metrics)
{
    if (metrics.horizontalAdvance(name) <= cell.width()) {
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, name);
        return;
    }
    for (const int pixels : {10, 9}) {
        const QFont smaller = Arial(pixels);
        if (QFontMetricsF(smaller).horizontalAdvance(name) <= cell.width()) {
            painter.setFont(smaller);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, name);
            return;
        }
    }
    const QFont small = Arial(8);
    const QFontMetricsF smallMetrics(small);
    painter.setFont(small);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    const QRectF wrapped = smallMetrics.boundingRect(cell, flags, name);
    if (wrapped.height() <= cell.height() + 1 && wrapped.width() <= cell.width())
        painter.drawText(cell, flags, name);
    else
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                         smallMetrics.elidedText(name, Qt::ElideRight, cell.width()));
}

} // namespace

void MonthReport::PaintList(QPainter& painter, int index)
{
    const QRect area = kSheetArea;
    const int column = area.width() / 10;
    const auto cell = [&](int k, int top, int height) {
        return QRectF(area.left() + k * column, top, column, height);
    };
    PaintPageTitle(painter, area, index);

    const int lineY = area.top() + kHeadingLine;
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QLineF(area.left(), lineY, area.left() + 10 * column, lineY));
    const QStringList headings = TuitionList::Headings();
    painter.setFont(Arial(10));
    for (int k = 0; k < headings.size(); ++k)
        painter.drawText(cell(k, area.top() - 6, kHeadingLine + 4).adjusted(2, 0, -2, 0),
                         Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap | Qt::TextDontClip,
                         headings[k]);

    if (!m_readProblem.isEmpty()) {
        PaintNotice(painter, QRectF(area.left(), lineY + 40, area.width(), 200),
                    QStringLiteral("The records could not be read, so the list shows no "
                                   "children.\n") + m_readProblem);
        return;
    }

    if (m_listRows.empty()) {
        PaintNotice(painter, QRectF(area.left(), lineY + 40, area.width(), 200),
                    QStringLiteral("No child is enrolled."));
        return;
    }
    const QFont font = Arial(11);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    const QString currency = Program().tuitionRates.currencySymbol;
    const int perPage = ListRowsPerPage();
    const std::size_t first = std::size_t(index) * std::size_t(perPage);
    const std::size_t end = std::min(m_listRows.size(), first + std::size_t(perPage));
    for (std::size_t n = first; n < end; ++n) {
        const int top = lineY + int(n - first) * kListRowHeight;
        const QStringList texts = TuitionList::Texts(m_listRows[n], currency);
        painter.setPen(Qt::black);
        PaintChildName(painter, cell(0, top, kListRowHeight).adjusted(3, 0, -3, 0), texts[0],
                       metrics);
        painter.setFont(font);
        for (int k = 1; k < texts.size(); ++k)
            painter.drawText(cell(k, top, kListRowHeight).adjusted(2, 0, -4, 0),
                             Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip, texts[k]);
        painter.setPen(QPen(QColor(kRowLineColor), 1));
        const int bottom = top + kListRowHeight;
        painter.drawLine(QLineF(area.left(), bottom, area.left() + 10 * column, bottom));
    }
}

void MonthReport::PaintStaff(QPainter& painter, int index)
{
    const QRect area = kStaffArea;
    PaintPageTitle(painter, area, index);
    if (!m_readProblem.isEmpty()) {
        PaintNotice(painter, QRectF(area.left(), area.top() + 40, area.width(), 200),
                    QStringLiteral("The records could not be read, so the report shows no "
                                   "staff.\n") + m_readProblem);
        return;
    }
    if (m_staff.empty()) {
        PaintNotice(painter, QRectF(area.left(), area.top() + 40, area.width(), 200),
                    QStringLiteral("No staff member is recorded."));
        return;
    }
    const int stride = area.height() / kCalendarsPerPage;
    const std::size_t first = std::size_t(index) * kCalendarsPerPage;
    const std::size_t end = std::min(m_staff.size(), first + kCalendarsPerPage);
    for (std::size_t n = first; n < end; ++n) {
        const int top = area.top() + int(n - first) * stride;
        painter.setPen(Qt::black);
        painter.setFont(Arial(15, true));
        painter.drawText(QRectF(area.left(), top, area.width(), kStaffNameHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_staff[n].name);
        MonthCalendarPainting::Paint(painter, CalendarArea(int(n - first)), m_staff[n].sheet);
    }
}

QRectF MonthReport::CalendarArea(int slot)
{
    const QRect area = kStaffArea;
    const int stride = area.height() / kCalendarsPerPage;
    const int top = area.top() + slot * stride + kStaffNameHeight;
    return QRectF(area.left(), top, area.width(), stride - kStaffNameHeight - kCalendarGap);
}

QString MonthReport::Recipients() const
{
    switch (m_kind) {
    case ReportKind::Statement: return m_parentAddress;
    case ReportKind::TuitionList: return Joined(m_listAddresses);
    case ReportKind::Staff: return Joined(m_staffAddresses);
    }
    return {};
}

QString MonthReport::ExportBaseName() const
{
    switch (m_kind) {
    case ReportKind::Statement:
        return m_child + QString::asprintf("_TuitionStatement_%02d_of_%04d", m_month.month,
                                           m_month.year);
    case ReportKind::TuitionList: return QStringLiteral("TuitionList");
    case ReportKind::Staff: return QStringLiteral("Staff");
    }
    return {};
}
