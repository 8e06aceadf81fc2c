#pragma once

#include "canvas/objects/PageObject.h"

#include <QDate>
#include <QList>
#include <QStringList>

// The background shapes a calendar stands on.
namespace CalendarShape {
constexpr int Transparent = 0;
constexpr int Rectangle = 2;
constexpr int RoundRectangle = 3;
constexpr int WallSheet = 4; // a round sheet punched for its rings
} // namespace CalendarShape

// One month's calendar: title, weekday names and the grid of days.
class CalendarObject : public PageObject
{
public:
    CalendarObject();
    CalendarObject(const CalendarObject& other) = default;

    std::unique_ptr<PageObject> Clone() const override;
    // The transparent shape switches the fill type off when painted.
    void DrawContent(QPainter& painter, const DrawContext& context) override;

    // The title: the month's name, and the year when shown.
    QString Title() const;
    bool IsHoliday(int day) const;

    int m_nYear = 2009;
    int m_nMonth = 1;
    QStringList m_monthNames;   // the user's own, used with m_bOwnLanguage
    QStringList m_weekdayNames; // the user's own, Monday first
    QList<QDate> m_publicHolidays;
    ColorRef m_crDay = Rgb(0, 0, 0);
    ColorRef m_crTitle = Rgb(0, 0, 0);
    ColorRef m_crWeekday = Rgb(0, 0, 0);
    ColorRef m_crWeekdayBand = Rgb(209, 218, 229);
    ColorRef m_crHoliday = Rgb(209, 218, 229);
    ColorRef m_crCalendar = Rgb(214, 228, 248);
    int m_bNoBackground = 1;
    int m_bNoWeekdayBand = 0;
    int m_nHolidayMark = 0;
    int m_bOwnLanguage = 0;
    int m_bShowYear = 0;
    int m_nWeekdayStyle = 0;
    int m_bSundayFirst = 0;
    int m_bTopLeftNumbers = 0;
    int m_bCellBorders = 0;
    int m_bTitleItalic = 0;
    int m_bTitleBold = 0;
    int m_bWeekdayItalic = 0;
    int m_bWeekdayBold = 0;
    int m_bDayItalic = 0;
    int m_bDayBold = 0;
    QString m_strDayFont = QStringLiteral("Arial");
    QString m_strTitleFont = QStringLiteral("Arial");
    QString m_strWeekdayFont = QStringLiteral("Arial");
    int m_nTitleSize = 14;
    int m_nWeekdaySize = 11;
    int m_nDaySize = 10;
    int m_nCalendarShape = 3;
    QString m_strTexturePath;

private:
    void DrawBackground(QPainter& painter);
    void DrawGrid(QPainter& painter) const;
    void DrawDays(QPainter& painter, const class CalendarLayout& layout) const;

    TextureImage m_backgroundTexture;
};
