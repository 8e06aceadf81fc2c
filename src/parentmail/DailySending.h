#pragma once

#include <QDate>
#include <QObject>
#include <QStringList>
#include <QTimer>

class FolderMailer;

// The daily sending of the day's photos to the parents: from the start time of the
// e-mail settings, one top-level folder of the library per tick, in the tree's order.
// Folders without photos of the day send nothing and folders nobody can be written to
// are skipped. A run that went through every folder is kept in the settings, so the
// photos go out once a day however often the program starts.
class DailySending : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTickMs = 5000;
    enum class Step { Off, BeforeStart, DoneToday, Waiting, Sent, Skipped, Finished };

    explicit DailySending(FolderMailer& mailer, QObject* parent = nullptr);

    // Ticks every `intervalMs` while the e-mail service is on; a negative interval only
    // names the library, for a caller that ticks itself.
    void Start(const QString& picturesRoot, int intervalMs = kTickMs);
    void Stop() { m_timer.stop(); }
    bool IsTicking() const { return m_timer.isActive(); }

    // One tick at the clock's local time.
    Step Tick();

Q_SIGNALS:
    // What a tick did, for the status bar or standard error.
    void Report(const QString& text);
    void RunFinished();

private:
    FolderMailer& m_mailer;
    QTimer m_timer;
    QString m_root;
    QDate m_runDay;          // the day of the run under way; invalid between runs
    QStringList m_folders;   // that run's folders, taken when it started
    int m_next = 0;
};
