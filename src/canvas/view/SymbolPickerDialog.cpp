#include "canvas/view/SymbolPickerDialog.h"

#include "widgets/DialogParts.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRawFont>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 12;
constexpr int kCell = 40;

// Signs a newsletter or notice needs, in groups: legal and typographic, money,
// measures and maths, arrows, and decorations.
const QString kCommonSymbols = QStringLiteral(
    "\u00A9\u00AE\u2122\u00A7\u00B6\u2020\u2021\u2022\u2026\u203B\u2030\u00B0"
    "\u20AC\u00A3\u00A5\u00A2\u0024\u00A4"
    "\u2103\u2109\u00B1\u00D7\u00F7\u2260\u2264\u2265\u221E\u00BD\u00BC\u00BE\u00B2\u00B3\u00B5"
    "\u2190\u2191\u2192\u2193\u2194\u21D2"
    "\u2605\u2606\u2665\u2661\u2666\u2663\u2660\u263A\u263C\u2602\u2603\u266A\u266B\u2713"
    "\u2717\u260E\u2709\u273F\u2740\u25CF\u25CB\u25A0\u25A1\u25B2\u25C6");

bool HasAll(const QFont& font, const QString& characters)
{
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid())
        return false;
    for (const QChar c : characters) {
        if (!raw.supportsCharacter(c))
            return false;
    }
    return true;
}

} // namespace

QString QuickSymbols()
{
    return QStringLiteral("\u00A9\u2030\u203B\u2103\u00A7");
}

QFont SymbolFont(const QString& characters, int pixelSize)
{
    static const QStringList faces{
        QStringLiteral("Lucida Sans Unicode"), QStringLiteral("Arial Unicode MS"),
        QStringLiteral("Segoe UI Symbol"),     QStringLiteral("DejaVu Sans"),
        QStringLiteral("Noto Sans Symbols"),   QStringLiteral("FreeSerif"),
        QStringLiteral("Symbola")};
    const QStringList installed = QFontDatabase::families();
    for (const QString& face : faces) {
        QFont font(face);
        font.setPixelSize(pixelSize);
        if (installed.contains(face) && HasAll(font, characters))
            return font;
    }
    QFont font;
    font.setPixelSize(pixelSize);
    return font;
}

QStringList SymbolPickerDialog::Symbols()
{
    const QFont font = SymbolFont(QuickSymbols(), 24);
    const QRawFont raw = QRawFont::fromFont(font);
    QStringList symbols;
    for (const QChar c : kCommonSymbols) {
        if (!raw.isValid() || raw.supportsCharacter(c))
            symbols << QString(c);
    }
    return symbols;
}

SymbolPickerDialog::SymbolPickerDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Symbols"));

    m_grid = new QListWidget;
    m_grid->setObjectName(QStringLiteral("symbols"));
    m_grid->setViewMode(QListView::IconMode);
    m_grid->setMovement(QListView::Static);
    m_grid->setResizeMode(QListView::Adjust);
    m_grid->setUniformItemSizes(true);
    m_grid->setGridSize(QSize(kCell, kCell));
    m_grid->setFont(SymbolFont(QuickSymbols(), 22));
    m_grid->setToolTip(QStringLiteral("Double-click a symbol, or pick one and press Enter"));
    for (const QString& symbol : Symbols()) {
        auto* item = new QListWidgetItem(symbol, m_grid);
        item->setTextAlignment(Qt::AlignCenter);
        item->setToolTip(QStringLiteral("U+%1").arg(int(symbol.at(0).unicode()), 4, 16, QLatin1Char('0')).toUpper());
    }
    m_grid->setCurrentRow(0);
    // Every symbol in view at once: no scrolling to find one.
    const int rows = (m_grid->count() + kColumns - 1) / kColumns;
    const int frame = 2 * m_grid->frameWidth() + 2;
    m_grid->setFixedSize(kColumns * kCell + frame, rows * kCell + frame);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* label = new QLabel(QStringLiteral("&Symbols:"));
    label->setBuddy(m_grid);
    auto* content = new QVBoxLayout;
    content->addWidget(label);
    content->addWidget(m_grid);
    QDialogButtonBox* buttons = FinishDialog(*this, content);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Insert"));
    connect(m_grid, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_grid, &QListWidget::currentRowChanged, this, [buttons](int row) {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(row >= 0);
    });
}

QString SymbolPickerDialog::Symbol() const
{
    const QListWidgetItem* item = m_grid->currentItem();
    return item ? item->text() : QString();
}

void SymbolPickerDialog::Select(const QString& symbol)
{
    const auto found = m_grid->findItems(symbol, Qt::MatchExactly);
    if (!found.isEmpty())
        m_grid->setCurrentItem(found.first());
}
