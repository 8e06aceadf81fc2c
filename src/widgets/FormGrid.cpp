#include "widgets/FormGrid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace {

// Label and field of the left half, a gap, label and field of the right half.
constexpr int kLeftLabel = 0;
constexpr int kGap = 2;
constexpr int kRightLabel = 3;
constexpr int kColumns = 5;

// The field with its note after it, as one cell.
QWidget* WithNote(QWidget* field, const QString& note)
{
    auto* cell = new QWidget;
    auto* row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(field, field->maximumWidth() < QWIDGETSIZE_MAX ? 0 : 1);
    auto* text = new QLabel(note, cell);
    text->setTextFormat(Qt::PlainText);
    text->setForegroundRole(QPalette::PlaceholderText);
    row->addWidget(text);
    if (field->maximumWidth() < QWIDGETSIZE_MAX)
        row->addStretch(1);
    return cell;
}

} // namespace

FormGrid::FormGrid(QGridLayout& grid) : m_grid(grid)
{
    m_grid.setColumnStretch(kLeftLabel + 1, 1);
    m_grid.setColumnStretch(kRightLabel + 1, 1);
    m_grid.setColumnMinimumWidth(kGap, 18);
    m_grid.setHorizontalSpacing(8);
    m_grid.setVerticalSpacing(6);
}

QLabel* FormGrid::Add(int row, Half half, const QString& label, QWidget* field,
                       const QString& note)
{
    return AddPair(row, half == Half::Left ? kLeftLabel : kRightLabel, 1, label, field, note);
}

QLabel* FormGrid::AddWide(int row, const QString& label, QWidget* field, const QString& note)
{
    return AddPair(row, kLeftLabel, kColumns - 1, label, field, note);
}

QLabel* FormGrid::AddPair(int row, int column, int span, const QString& label, QWidget* field,
                           const QString& note)
{
    auto* text = new QLabel(label);
    text->setBuddy(field);
    m_grid.addWidget(text, row, column, Qt::AlignLeft | Qt::AlignVCenter);
    m_grid.addWidget(note.isEmpty() ? field : WithNote(field, note), row, column + 1, 1, span);
    return text;
}
