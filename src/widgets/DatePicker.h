#pragma once

#include <QDateEdit>

class QLocale;

// A date field with a calendar to pick from. A date is typed whole, as 2022-03-15 or in
// the short form of the user's language (3/15/22), and taken on Enter or on leaving the
// field; the keystrokes stay in the field meanwhile. Text that is no date stays, in red,
// until it is put right or Escape brings the date back. The arrow keys step the part
// under the caret; Tab leaves the field, as it leaves any other on a form.
class DatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit DatePicker(const QDate& date, QWidget* parent = nullptr);

    // True while typed text waits to be taken.
    bool IsTyping() const { return m_typing; }
    // Takes what was typed, if anything. Returns why it could not be taken (the text
    // stays), empty when it was a date or nothing was typed.
    QString TakeTyped();
    // As TakeTyped(), for a dialog's OK: when the text is no date, says why, keeps the
    // focus here and returns false.
    bool TakeTypedOrSay();

    // A typed date: year first (2022-03-15) or in the locale's short form. A year of one
    // or two digits falls between 79 years before and 20 years after `today`'s.
    static QDate ParseTyped(const QString& text, const QLocale& locale, const QDate& today);

Q_SIGNALS:
    // The user began typing a date.
    void TypingStarted();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowTyped();
    void StopTyping();

    QString m_typed;
    bool m_typing = false;
    bool m_refused = false;        // the text was found to be no date
    bool m_replaceTyped = false;   // the next character starts the text afresh
};
