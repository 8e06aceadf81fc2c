#pragma once

#include <QDate>
#include <QString>

class DbDate;

// The tuition week: Monday to Sunday.
struct TuitionWeek
{
    QDate start;   // the Monday
    QDate end;     // the Sunday

    // The week holding `today`; invalid dates when `today` is invalid.
    static TuitionWeek Holding(const QDate& today);

    // Whether the records can hold both days (the years 100 to 9999).
    bool IsStorable() const;

    // "%4d-%2d-%2d" of the start and the end, as the week markers keep them.
    QString StartText() const;
    QString EndText() const;
    // "2024-03-04 to 2024-03-10", as messages show the week.
    QString ShownText() const;

    bool operator==(const TuitionWeek&) const = default;
};

// A date as lists and statements show it: "2024-03-04"; a value that names no date shows
// -1 in each part.
QString ShownDate(const DbDate& date);
// A stored "%4d-%2d-%2d" text (a paid date) as shown: zero-padded when it names a date,
// else as stored.
QString ShownDateText(const QString& stored);
