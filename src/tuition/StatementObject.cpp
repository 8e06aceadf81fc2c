#include "tuition/StatementObject.h"

#include "settings/ProgramState.h"
#include "canvas/objects/FillStyles.h"
#include "canvas/objects/ObjectIdentity.h"
#include "platform/Clock.h"
#include "records/PaymentTable.h"
#include "records/EnrollmentTable.h"
#include "records/RecordsDatabase.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace {

constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr int kCentre = Qt::AlignCenter;
constexpr int kTableLines = 8;

// The statement's measures in page units: the header's bands of a twentieth of the
// height, and the table's rows and twelve columns in the lower half.
struct SheetGrid
{
    explicit SheetGrid(const PageRect& rect)
        : L(rect.left), T(rect.top), W(rect.Width()), H(rect.Height()), M(T + H / 2),
          R((H / 2) / 10), C(W / 12)
    {
    }

    // The band across the whole width starting `k` twentieths of the height down.
    QRectF Band(double k) const { return QRectF(L, T + k * H / 20.0, W, H / 20.0); }
    // Data row `n` (0 for the first) lies below the headings.
    int RowTop(int n) const { return M + 2 * R + R * n; }
    // Directly below the fourth row when there are exactly four, else three rows above
    // the bottom.
    int TotalsTop(std::size_t rows) const { return T + H - (rows == 4 ? 4 : 3) * R; }

    int L, T, W, H, M, R, C;
};

// A cell: `columns` column widths from the left plus `dx`, `spans` column widths plus
// `dw` wide. Free text (names, how it was paid) is shortened to its cell rather than
// running into the next one; dates and amounts always fit.
struct ColumnSpec
{
    int columns;
    int dx;
    int dw;
    int align;
    bool freeText = false;
    int spans = 1;

    QRectF At(const SheetGrid& grid, int top) const
    {
        return QRectF(grid.L + columns * grid.C + dx, top, spans * grid.C + dw, grid.R);
    }
};

struct SheetHeading
{
    const char* text;
    ColumnSpec cell;
};

constexpr std::array<SheetHeading, 12> kHeadings{{
    {"WeekStart", {0, 0, 0, kCentre}},
    {"WeekEnd", {1, 0, 0, kCentre}},
    {"Child", {2, 0, 0, kCentre}},
    {"Sess.Days", {3, 0, 0, kRight}},
    {"Fee", {4, -5, -5, kRight}},
    {"Charge", {5, -5, -5, kRight}},
    {"Discount", {6, -5, -5, kRight}},
    {"PBG", {7, -5, -5, kRight}},
    {"PBP", {8, -5, -5, kRight}},
    {"DatePaid", {9, -5, 0, kRight}},
    {"PaidWith", {10, 0, 5, kRight}},
    {"Debit", {11, 0, 5, kRight}},
}};

// The data cells, in the order RowTexts gives them.
constexpr std::array<ColumnSpec, 12> kRowCells{{
    {0, 0, 0, kLeft},
    {1, 0, 0, kLeft},
    // The name may use the session days' cell up to its right-aligned digits.
    {2, 0, -20, kLeft, true, 2},
    {3, 0, 0, kRight},
    {4, -10, 0, kRight},
    {5, -10, 0, kRight},
    {6, -10, 0, kRight},
    {7, -10, 0, kRight},
    {8, -10, 0, kRight},
    {9, -10, 5, kRight},
    // Starts where the paid date's cell ends, so the two never touch.
    {10, 0, 0, kRight, true},
    {11, -5, 10, kRight},
}};

// The totals end where their columns' data cells end.
constexpr ColumnSpec kTotalLabel{0, 0, 0, kLeft};
constexpr ColumnSpec kTotalDays{3, 10, -10, kRight};
constexpr std::array<ColumnSpec, 5> kTotalAmounts{{
    {4, 0, -10, kRight},
    {5, 0, -10, kRight},
    {6, 0, -10, kRight},
    {7, 0, -10, kRight},
    {8, 0, -10, kRight},
}};
constexpr ColumnSpec kTotalDebit{11, 15, -10, kRight};

struct SheetFonts
{
    SheetFonts(const QString& family, int tableSize)
        : regular(Font(family, 12, false)), bold(Font(family, 12, true)),
          large(Font(family, 16, true)), table(Font(family, tableSize, false)),
          tableBold(Font(family, tableSize, true))
    {
    }

    static QFont Font(const QString& family, int pixels, bool bold)
    {
        QFont font(family);
        font.setPixelSize(std::max(1, pixels));
        font.setBold(bold);
        return font;
    }

    QFont regular, bold, large, table, tableBold;
};

void Put(QPainter& painter, const QFont& font, const QRectF& rect, int align,
         const QString& text)
{
    painter.setFont(font);
    painter.drawText(rect, align | Qt::TextSingleLine, text);
}

// A text that shares its band with a right-aligned one is cut short with "..." to end a gap
// before it, whatever the user typed.
constexpr double kBesideGap = 12;

double Width(const QFont& font, const QString& text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

QString Fitted(const QFont& font, const QString& text, double room)
{
    return QFontMetricsF(font).elidedText(text, Qt::ElideRight, std::max(0.0, room));
}

void PutCell(QPainter& painter, const QFont& font, const SheetGrid& grid, const ColumnSpec& cell,
             int top, const QString& text)
{
    const QRectF rect = cell.At(grid, top);
    if (cell.freeText) {
        const QString shown = QFontMetricsF(font).elidedText(text, Qt::ElideRight, rect.width());
        Put(painter, font, rect, cell.align, shown);
    } else {
        // A large total may reach into the gap before its cell, never be cut.
        painter.setFont(font);
        painter.drawText(rect, cell.align | Qt::TextSingleLine | Qt::TextDontClip, text);
    }
}

QString DayMonthYear(const DbDate& date)
{
    const QDate day = date.Date();
    return day.isValid() ? day.toString(QStringLiteral("dd/MM/yyyy"))
                         : QString::asprintf("%d/%d/%d", date.Day(), date.Month(), date.Year());
}

QString Money(double value)
{
    return TuitionStatement::Money(Program().tuitionRates.currencySymbol, value);
}

} // namespace

StatementObject::StatementObject(const PageRect& rect)
    : PageObject(ObjectType::Statement, ObjectIdentity::NewLocal(u'R'))
{
    m_rect = rect;
    const QDate today = Clock::TodayUtc();
    m_nYear = today.year();
    m_nMonth = today.month();
    // No rows are read until a child is chosen: with none the statement lists nothing,
    // and selecting every row would hold the whole payment table in memory.
}

StatementObject::StatementObject(const StatementObject& other)
    : PageObject(other),
      m_strCenterName(other.m_strCenterName),
      m_strParentEmail(other.m_strParentEmail),
      m_strChildName(other.m_strChildName),
      m_crText(other.m_crText),
      m_strFontName(other.m_strFontName),
      m_nTitleSize(other.m_nTitleSize),
      m_nTableFontSize(other.m_nTableFontSize),
      m_childNames(other.m_childNames),
      m_nYear(other.m_nYear),
      m_nMonth(other.m_nMonth),
      m_figures(other.m_figures)
{
}

StatementObject::~StatementObject() = default;

QStringList StatementObject::RowTexts(const WeeklyPayment& row)
{
    const auto amount = [](double value) { return WeeklyPayments::Amount(value); };
    return {DayMonthYear(row.weekStart), DayMonthYear(row.weekEnd), row.childName,
            QString::number(row.sessionDays), amount(row.weeklyFee), amount(row.extraCharge),
            amount(row.discount), amount(row.weeklyPbg), amount(row.pbp),
            ShownDateText(row.paidDate), row.paidBy, amount(row.debit)};
}

std::unique_ptr<PageObject> StatementObject::Clone() const
{
    return std::make_unique<StatementObject>(*this);
}

bool StatementObject::HaveRecordsets()
{
    if (!m_payments && RecordsDatabaseExists()) {
        m_payments = std::make_unique<PaymentTable>();
        m_enrollment = std::make_unique<EnrollmentTable>();
    }
    return m_payments != nullptr;
}

bool StatementObject::HasChild() const
{
    return TuitionStatement::NamesAChild(m_strChildName);
}

void StatementObject::SelectChild()
{
    if (!HasChild() || !HaveRecordsets())
        return;
    try {
        m_payments->SelectChild(m_strChildName);
        m_enrollment->SelectNamed(m_strChildName);
    } catch (const DatabaseError&) {
        // The next paint asks the file again and shows what is wrong.
    }
}

void StatementObject::LoadChildNames()
{
    m_childNames.clear();
    if (!HaveRecordsets())
        return;
    m_enrollment->SelectChild(QString());
    for (m_enrollment->MoveFirst(); !m_enrollment->IsEOF(); m_enrollment->MoveNext())
        m_childNames << m_enrollment->m_ChildName;
}

void StatementObject::Choose(const QString& childName, int year, int month)
{
    m_strChildName = childName;
    m_nYear = year;
    m_nMonth = month;
    SelectChild();
}

void StatementObject::DrawContent(QPainter& painter, const DrawContext&)
{
    DrawStatement(painter);
}

void StatementObject::DrawStatement(QPainter& painter)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    m_readProblem.clear();
    // The table works out the amounts the header prints.
    DrawTable(painter);
    DrawHeader(painter);
    DrawReadProblem(painter);
    painter.restore();
}

bool StatementObject::RequeryPayments()
{
    if (!HaveRecordsets())
        return false;
    try {
        m_payments->SelectChild(m_strChildName);
        if (m_payments->IsEOF())
            return false;
        m_figures = TuitionStatement::Figures(*m_payments, m_nYear, m_nMonth);
        return true;
    } catch (const DatabaseError& error) {
        m_figures = {};
        m_readProblem = error.Message();
        return false;
    }
}

void StatementObject::DrawTable(QPainter& painter)
{
    const SheetGrid grid(m_rect);
    const SheetFonts fonts(m_strFontName, m_nTableFontSize);
    painter.setPen(QPen(ToQColor(m_crLine), m_nLineWidth));
    for (int k = 1; k <= kTableLines; ++k) {
        const int y = grid.M + grid.R * k;
        painter.drawLine(QLineF(grid.L, y, grid.L + grid.W, y));
    }
    painter.setPen(ToQColor(m_crText));
    for (const SheetHeading& heading : kHeadings)
        PutCell(painter, fonts.table, grid, heading.cell, grid.M + grid.R,
                QString::fromLatin1(heading.text));

    m_figures = {};
    if (!HasChild() || !RequeryPayments())
        return;

    for (std::size_t n = 0; n < m_figures.rows.size(); ++n) {
        const QStringList texts = RowTexts(m_figures.rows[n]);
        for (std::size_t i = 0; i < kRowCells.size(); ++i)
            PutCell(painter, fonts.table, grid, kRowCells[i], grid.RowTop(int(n)),
                    texts[qsizetype(i)]);
    }

    const StatementTotals& totals = m_figures.totals;
    const int top = grid.TotalsTop(m_figures.rows.size());
    PutCell(painter, fonts.tableBold, grid, kTotalLabel, top, QStringLiteral("Total"));
    PutCell(painter, fonts.tableBold, grid, kTotalDays, top, QString::number(totals.sessionDays));
    const std::array<double, 5> amounts{totals.fee, totals.charge, totals.discount, totals.pbg,
                                        totals.pbp};
    for (std::size_t i = 0; i < amounts.size(); ++i)
        PutCell(painter, fonts.tableBold, grid, kTotalAmounts[i], top, Money(amounts[i]));
    PutCell(painter, fonts.tableBold, grid, kTotalDebit, top, Money(totals.debit));

    Put(painter, fonts.tableBold, QRectF(grid.L, grid.T + grid.H - 2 * grid.R, grid.W, grid.R),
        kRight, QStringLiteral("PBG: Paid by Government,    PBP: Paid by Parent"));
}

void StatementObject::DrawHeader(QPainter& painter)
{
    const SheetGrid grid(m_rect);
    const SheetFonts fonts(m_strFontName, m_nTableFontSize);
    const CenterInfo& center = Program().centerInfo;
    m_strCenterName = center.name;

    // The title is an outline only, drawn with the line pen.
    QPainterPath title;
    title.addText(0, 0, SheetFonts::Font(m_strFontName, m_nTitleSize, false),
                  QStringLiteral("Statement"));
    const QRectF titleBox(grid.L, grid.T, grid.W, grid.H / 8.0);
    title.translate(titleBox.center() - title.boundingRect().center());
    painter.setPen(QPen(ToQColor(m_crLine), m_nLineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(title);

    painter.setPen(ToQColor(m_crText));
    const QString manager = QStringLiteral("Manager: ") + center.manager;
    const QRectF nameBand = grid.Band(2.5);
    // Centred, so it keeps clear of the manager on both sides.
    Put(painter, fonts.large, nameBand, kCentre,
        Fitted(fonts.large, m_strCenterName,
               nameBand.width() - 2 * (Width(fonts.regular, manager) + kBesideGap)));
    Put(painter, fonts.regular, nameBand, kRight, manager);
    Put(painter, fonts.regular, grid.Band(3.25), kRight,
        QStringLiteral("Contact No.: ") + center.phone);
    Put(painter, fonts.regular, grid.Band(4.0), kRight,
        QStringLiteral("Address: ") + center.address);
    // Without the rows the amounts would be wrong: the problem takes the child's place.
    if (m_readProblem.isEmpty())
        DrawChildBlock(painter);
    else
        m_strParentEmail.clear();
}

void StatementObject::DrawChildBlock(QPainter& painter)
{
    if (!HasChild())
        return;
    // A child without an enrollment row has no known parents: the address of the child
    // shown before must not receive this child's statement.
    m_strParentEmail.clear();
    if (!HaveRecordsets())
        return;
    try {
        // "All" is a name like any other here: the details are the named child's only.
        if (!m_enrollment->SelectNamed(m_strChildName))
            return;
    } catch (const DatabaseError& error) {
        m_readProblem = error.Message();
        return;
    }
    const EnrollmentTable& child = *m_enrollment;
    const SheetGrid grid(m_rect);
    const SheetFonts fonts(m_strFontName, m_nTableFontSize);
    const std::array<std::pair<double, QString>, 7> left{{
        {5.5, QStringLiteral("Child Name: ") + child.m_ChildName},
        {6.25, QStringLiteral("Reference No.: ") + child.m_ChildRefrenceNo},
        {7.0, QStringLiteral("Enrollment Date: ") + ShownDate(child.m_EnrollDate)},
        {7.75, QString::asprintf("Enrollment Type: %d (days/week)", child.m_EnrollType)},
        {8.5, QStringLiteral("Classroom: ") + child.m_Class},
        {9.25, QStringLiteral("Parents: ") + child.m_Mother + QLatin1Char(',') + child.m_Father},
        {10.0, QStringLiteral("Home Address: ") + child.m_Address},
    }};
    m_strParentEmail = child.m_Email;

    const DbDate today = DbDate::FromDate(Clock::TodayUtc());
    const std::array<std::pair<double, QString>, 5> right{{
        {7.0, QString::asprintf("Statement for the Month: %d of %d", m_nMonth, m_nYear)},
        {7.75, QStringLiteral("Statement Printed: ") + ShownDate(today)},
        {8.5, QStringLiteral("Debit of the Month: ") + Money(m_figures.debitOfMonth)},
        {9.25, QStringLiteral("Forward from Previous: ") + Money(m_figures.forward)},
        {10.0, QStringLiteral("Total Due Now: ") + Money(m_figures.TotalDue())},
    }};
    // The total due stands out.
    const auto fontOf = [&](std::size_t i) -> const QFont& {
        return i + 1 == right.size() ? fonts.bold : fonts.regular;
    };
    for (const auto& [band, text] : left) {
        double room = grid.W;
        for (std::size_t i = 0; i < right.size(); ++i) {
            if (right[i].first == band)
                room -= Width(fontOf(i), right[i].second) + kBesideGap;
        }
        Put(painter, fonts.regular, grid.Band(band), kLeft, Fitted(fonts.regular, text, room));
    }
    for (std::size_t i = 0; i < right.size(); ++i)
        Put(painter, fontOf(i), grid.Band(right[i].first), kRight, right[i].second);
}

void StatementObject::DrawReadProblem(QPainter& painter)
{
    if (m_readProblem.isEmpty())
        return;
    // Where the child's details would be: a statement without amounts must not pass for
    // one that owes nothing.
    const SheetGrid grid(m_rect);
    const SheetFonts fonts(m_strFontName, m_nTableFontSize);
    painter.setPen(ToQColor(m_crText));
    painter.setFont(fonts.bold);
    painter.drawText(QRectF(grid.L, grid.T + 5.5 * grid.H / 20.0, grid.W, 4.5 * grid.H / 20.0),
                     Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("The records could not be read, so this statement shows "
                                    "no amounts.\n") + m_readProblem);
}
