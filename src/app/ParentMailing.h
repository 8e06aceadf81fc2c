#pragma once

#include "parentmail/DailySending.h"
#include "parentmail/FolderMailer.h"

#include <QObject>

class LibraryTree;
class QStatusBar;

// The window's side of the photos e-mailed to parents: the tree's Send Email and the
// daily sending share one mailer; what they do is told in the status bar, and a failed
// send in a message box.
class ParentMailing : public QObject
{
    Q_OBJECT

public:
    ParentMailing(LibraryTree& tree, QStatusBar& statusBar, QObject* parent = nullptr);

    // The e-mail settings changed: the daily sending follows the service flag.
    void SettingsChanged();

    FolderMailer& Mailer() { return m_mailer; }
    DailySending& Daily() { return m_daily; }

private:
    void SendFolder(const QString& folderPath);
    void Sent(const QString& folderPath, const SendResult& result);
    void Tell(const QString& text);

    LibraryTree& m_tree;
    QStatusBar& m_statusBar;
    FolderMailer m_mailer;
    DailySending m_daily;
};
