#include "app/ParentMailing.h"

#include "photos/view/LibraryTree.h"
#include "platform/UserPrompt.h"

#include <QFileInfo>
#include <QStatusBar>

namespace {

constexpr int kReportShownMs = 15000;

} // namespace

ParentMailing::ParentMailing(LibraryTree& tree, QStatusBar& statusBar, QObject* parent)
    : QObject(parent), m_tree(tree), m_statusBar(statusBar), m_daily(m_mailer)
{
    connect(&tree, &LibraryTree::SendEmailRequested, this, &ParentMailing::SendFolder);
    connect(&tree, &LibraryTree::RootLoaded, this, [this](const QString& root) {
        m_daily.Start(root);
    });
    connect(&m_mailer, &FolderMailer::FolderSent, this, &ParentMailing::Sent);
    connect(&m_mailer.Sender(), &MailSender::Progress, this, [this](qint64 sent, qint64 total) {
        if (total > 0)
            m_statusBar.showMessage(
                QStringLiteral("Sending photos to the parents: %1 %").arg(sent * 100 / total));
    });
    connect(&m_daily, &DailySending::Report, this, &ParentMailing::Tell);
}

void ParentMailing::SettingsChanged()
{
    m_daily.Start(m_tree.RootPath());
}

void ParentMailing::SendFolder(const QString& folderPath)
{
    // Sending by hand also frees the daily sending after a failure.
    m_mailer.Release();
    Tell(FolderMailer::Describe(m_mailer.SendFolder(folderPath), QFileInfo(folderPath).fileName()));
}

void ParentMailing::Sent(const QString& folderPath, const SendResult& result)
{
    const QString name = QFileInfo(folderPath).fileName();
    if (result.Sent()) {
        Tell(QStringLiteral("The photos of %1 were sent to the parents.").arg(name));
        return;
    }
    Tell(QStringLiteral("The photos of %1 were not sent.").arg(name));
    if (result.outcome == SendResult::Outcome::Failed)
        Prompt().Error(result.error);
}

void ParentMailing::Tell(const QString& text)
{
    m_statusBar.showMessage(text, kReportShownMs);
}
