#pragma once

#include <QDate>
#include <QString>

// The tuition week: Monday to Sunday.
struct CTuitionWeek
{
    QDate start;   // the Monday
    QDate end;     // the Sunday

    // The week holding `today`; invalid dates when `today` is invalid.
    static CTuitionWeek Holding(const QDate& today);

    // "%4d-%2d-%2d" of the start and the end, as the week markers and the list show them.
    QString StartText() const;
    QString EndText() const;

    bool operator==(const CTuitionWeek&) const = default;
};
