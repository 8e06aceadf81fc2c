#include "canvas/view/CalendarFontsPanel.h"

#include "canvas/objects/FillStyles.h"
#include "canvas/view/ColorChoiceButton.h"
#include "canvas/view/FontChoiceButton.h"

#include <QGridLayout>
#include <QLabel>

CalendarFontsPanel::CalendarFontsPanel(const CalendarFonts& fonts, QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    m_title = AddRow(*grid, 0, QStringLiteral("&Title:"), QStringLiteral("Title"),
                     QStringLiteral("title"), fonts.title);
    m_weekday = AddRow(*grid, 1, QStringLiteral("Wee&kdays:"), QStringLiteral("Weekday"),
                       QStringLiteral("weekday"), fonts.weekday);
    m_day = AddRow(*grid, 2, QStringLiteral("&Days:"), QStringLiteral("Day number"),
                   QStringLiteral("day"), fonts.day);
    grid->setColumnStretch(1, 1);
}

CalendarFontsPanel::Row CalendarFontsPanel::AddRow(QGridLayout& grid, int row,
                                                     const QString& label, const QString& what,
                                                     const QString& name,
                                                     const CalendarPartFont& font)
{
    Row r;
    r.font = new FontChoiceButton(font.face, font.size, font.bold, font.italic,
                                   what + QStringLiteral(" font"));
    r.font->setObjectName(name + QStringLiteral("Font"));
    r.color = new ColorChoiceButton(ToQColor(font.color), what + QStringLiteral(" color"));
    r.color->setObjectName(name + QStringLiteral("Color"));
    auto* caption = new QLabel(label);
    caption->setBuddy(r.font);
    grid.addWidget(caption, row, 0);
    grid.addWidget(r.font, row, 1);
    grid.addWidget(r.color, row, 2);
    return r;
}

CalendarPartFont CalendarFontsPanel::FontOf(const Row& row)
{
    return {row.font->Face(), row.font->Size(), row.font->Bold(), row.font->Italic(),
            ToColorRef(row.color->Color())};
}

CalendarFonts CalendarFontsPanel::Fonts() const
{
    return {FontOf(m_title), FontOf(m_weekday), FontOf(m_day)};
}
