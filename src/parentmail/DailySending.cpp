#include "parentmail/DailySending.h"

#include "parentmail/FolderMailer.h"
#include "photos/LibraryScan.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "settings/ProgramState.h"

#include <QFileInfo>

DailySending::DailySending(FolderMailer& mailer, QObject* parent)
    : QObject(parent), m_mailer(mailer)
{
    connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
}

void DailySending::Start(const QString& picturesRoot, int intervalMs)
{
    m_root = picturesRoot;
    m_runDay = QDate();
    m_timer.stop();
    if (Program().email.useEmailService && intervalMs >= 0)
        m_timer.start(intervalMs);
}

DailySending::Step DailySending::Tick()
{
    const EmailSettings& settings = Program().email;
    if (!settings.useEmailService) {
        m_timer.stop();
        return Step::Off;
    }
    const QDateTime now = Clock::NowUtc().toLocalTime();
    const QDate today = now.date();
    if (m_runDay != today) {
        if (LoadLastDailySending(Settings()) == today)
            return Step::DoneToday;
        if (now.time() < QTime(settings.startHour, settings.startMinute))
            return Step::BeforeStart;
        // The run starts: the library's folders as they are now, the sender idle.
        m_runDay = today;
        m_next = 0;
        m_folders.clear();
        for (const LibraryNode& node : LibraryScan::Entries(m_root))
            if (node.kind == LibraryNode::Folder)
                m_folders.append(node.path);
        m_mailer.Release();
    }
    if (!m_mailer.IsIdle())
        return Step::Waiting;
    if (m_next >= m_folders.size()) {
        SaveLastDailySending(Settings(), today);
        m_runDay = QDate();
        Q_EMIT Report(QStringLiteral("The daily e-mail to the parents is done for today."));
        Q_EMIT RunFinished();
        return Step::Finished;
    }
    const QString folder = m_folders.at(m_next++);
    const FolderMailer::Outcome outcome = m_mailer.SendFolder(folder);
    if (outcome == FolderMailer::Outcome::NoRecipients)
        Q_EMIT Report(FolderMailer::Describe(outcome, QFileInfo(folder).fileName()));
    if (outcome == FolderMailer::Outcome::Started) {
        Q_EMIT Report(FolderMailer::Describe(outcome, QFileInfo(folder).fileName()));
        return Step::Sent;
    }
    return Step::Skipped;
}
