#include "widgets/DatePicker.h"

#include "platform/Clock.h"
#include "platform/UserPrompt.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

enum Part { Year, Month, Day };

// Where the year, month and day stand in a date format; empty when one is missing.
std::optional<std::array<Part, 3>> PartOrder(const QString& format)
{
    std::array<std::pair<qsizetype, Part>, 3> at{{{format.indexOf(QLatin1Char('y')), Year},
                                                  {format.indexOf(QLatin1Char('M')), Month},
                                                  {format.indexOf(QLatin1Char('d')), Day}}};
    std::sort(at.begin(), at.end());
    if (at[0].first < 0)
        return std::nullopt;
    return std::array<Part, 3>{at[0].second, at[1].second, at[2].second};
}

// A year typed with one or two digits lies in the century around `thisYear`.
int FullYear(int year, qsizetype digits, int thisYear)
{
    if (digits > 2)
        return year;
    int full = thisYear - thisYear % 100 + year;
    if (full > thisYear + 20)
        full -= 100;
    else if (full <= thisYear - 80)
        full += 100;
    return full;
}

bool IsTypedCharacter(const QKeyEvent& event)
{
    constexpr auto kCommandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !event.text().isEmpty() && event.text().at(0).isPrint()
           && !(event.modifiers() & kCommandKeys);
}

} // namespace

DatePicker::DatePicker(const QDate& date, QWidget* parent) : QDateEdit(date, parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    // A click into text being typed takes it first, so the caret lands in a date.
    lineEdit()->installEventFilter(this);
    // A date chosen otherwise (the calendar, the wheel, the program) ends the typing.
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (m_typing)
            StopTyping();
    });
}

QDate DatePicker::ParseTyped(const QString& text, const QLocale& locale, const QDate& today)
{
    static const QRegularExpression notDigits(QStringLiteral("\\D+"));
    const QStringList numbers = text.trimmed().split(notDigits, Qt::SkipEmptyParts);
    const auto order = PartOrder(locale.dateFormat(QLocale::ShortFormat));
    if (numbers.size() != 3 || !order) {
        // Month names and whatever else the locale writes in its short form.
        return locale.toDate(text.trimmed(), QLocale::ShortFormat);
    }
    // Four digits first are a year whatever the locale's order.
    const std::array<Part, 3> parts =
        numbers[0].size() > 2 ? std::array<Part, 3>{Year, Month, Day} : *order;
    std::array<int, 3> values{};
    qsizetype yearDigits = 0;
    for (int i = 0; i < 3; ++i) {
        values[parts[i]] = numbers[i].toInt();
        if (parts[i] == Year)
            yearDigits = numbers[i].size();
    }
    return QDate(FullYear(values[Year], yearDigits, today.year()), values[Month], values[Day]);
}

bool DatePicker::TakeTypedOrSay()
{
    const QString why = TakeTyped();
    if (why.isEmpty())
        return true;
    Prompt().Warn(why);
    setFocus();
    return false;
}

QString DatePicker::TakeTyped()
{
    if (!m_typing)
        return {};
    const QDate date = ParseTyped(m_typed, locale(), Clock::TodayLocal());
    if (!date.isValid() || date < minimumDate() || date > maximumDate()) {
        // The text stays, marked, for the user to put right.
        m_refused = true;
        ShowTyped();
        const QString example = locale().toString(QDate(2022, 3, 15), QLocale::ShortFormat);
        return QStringLiteral("\"%1\" is not a date. Type a date such as 2022-03-15 or %2.")
            .arg(m_typed.trimmed(), example);
    }
    StopTyping();
    setDate(date);   // shows it also when it was the date already
    return {};
}

void DatePicker::StopTyping()
{
    m_typing = false;
    m_refused = false;
    m_typed.clear();
    lineEdit()->setPalette(palette());
}

void DatePicker::ShowTyped()
{
    // The field's own parsing stays out of it until the text is taken.
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(m_typed);
    lineEdit()->setCursorPosition(int(m_typed.size()));
    QPalette marked = palette();
    if (m_refused)
        marked.setColor(QPalette::Text, Qt::red);
    lineEdit()->setPalette(marked);
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    if (IsTypedCharacter(*event)) {
        // Typing into the field as entered replaces what it shows.
        if (!m_typing || std::exchange(m_replaceTyped, false))
            m_typed.clear();
        const bool started = !std::exchange(m_typing, true);
        m_refused = false;
        m_typed += event->text();
        ShowTyped();
        event->accept();
        if (started)
            Q_EMIT TypingStarted();
        return;
    }
    if (m_typing) {
        m_replaceTyped = false;
        switch (event->key()) {
        case Qt::Key_Backspace:
            m_typed.chop(1);
            m_refused = false;
            ShowTyped();
            event->accept();
            return;
        case Qt::Key_Escape:
            StopTyping();
            setDate(date());   // shows the date again
            event->accept();
            return;
        default:
            // Enter, the arrows and the rest act on the date typed.
            if (const QString why = TakeTyped(); !why.isEmpty()) {
                Prompt().Warn(why);
                event->accept();
                return;
            }
        }
    }
    QDateEdit::keyPressEvent(event);
}

void DatePicker::focusInEvent(QFocusEvent* event)
{
    QDateEdit::focusInEvent(event);
    m_replaceTyped = m_typing;
    if (m_typing)
        ShowTyped();
}

void DatePicker::focusOutEvent(QFocusEvent* event)
{
    // Text that is no date stays in the field; Save and OK say what is wrong with it.
    const bool refused = !TakeTyped().isEmpty();
    QDateEdit::focusOutEvent(event);
    if (refused)
        ShowTyped();
}

bool DatePicker::focusNextPrevChild(bool next)
{
    // The date edit would walk its sections with Tab; the arrow keys do that.
    return QWidget::focusNextPrevChild(next);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event)
{
    // A click into text being typed would have the field read it as a date.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress && m_typing) {
        m_replaceTyped = false;
        if (!TakeTyped().isEmpty())
            return true;
    }
    return QDateEdit::eventFilter(watched, event);
}
