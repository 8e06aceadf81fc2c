#pragma once

#include "platform/Prompt.h"

#include <QList>
#include <deque>

// A prompt for tests: records every message and returns prepared answers. With no
// answer prepared it answers as a cautious user would (Cancel, No, nothing chosen).
class CScriptedPrompt : public CNoDialogPrompt
{
public:
    struct Shown
    {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    void QueueAnswer(Answer answer) { m_answers.push_back(answer); }
    void QueueFolder(const QString& folder) { m_folders.push_back(folder); }

    const QList<Shown>& Messages() const { return m_messages; }
    QStringList Texts() const;
    QStringList FolderTitles() const { return m_folderTitles; }

    Answer Show(const QString& text, Icon icon, Buttons buttons, const QString& title) override;
    QString ChooseFolder(const QString& title, const QString& startFolder) override;

private:
    QList<Shown> m_messages;
    std::deque<Answer> m_answers;
    std::deque<QString> m_folders;
    QStringList m_folderTitles;
};
