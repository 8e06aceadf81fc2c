#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// Shown by the records centers in place of their view while the records cannot be
// reached: why, and a way to try again at once.
class RecordsNotice : public QWidget
{
    Q_OBJECT

public:
    explicit RecordsNotice(QWidget* parent = nullptr);

    void SetText(const QString& text, bool offerRetry);
    QString Text() const;

Q_SIGNALS:
    void RetryRequested();

private:
    QLabel* m_text = nullptr;
    QPushButton* m_retry = nullptr;
};
