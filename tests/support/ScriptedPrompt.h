#pragma once

#include "platform/UserPrompt.h"

#include <QList>
#include <deque>

// A prompt for tests: records every message and returns prepared answers, colours and
// fonts. With none prepared it answers as a cautious user would (Cancel, No, nothing
// chosen).
class ScriptedPrompt : public NoDialogPrompt
{
public:
    struct Shown
    {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    void QueueAnswer(Answer answer) { m_answers.push_back(answer); }
    // Each message then stands on screen for a moment as a real modal window does: it
    // takes the focus from the window beneath and events run meanwhile (an editor that
    // loses the focus closes and is deleted).
    void ShowAsModalWindows(bool modal) { m_modal = modal; }
    void QueueFolder(const QString& folder) { m_folders.push_back(folder); }
    void QueueColor(const QColor& color) { m_colors.push_back(color); }
    void QueueFont(const QFont& font) { m_fonts.push_back(font); }
    void QueueFiles(const QStringList& files) { m_files.push_back(files); }
    // The save dialog's next answer: the typed path and the filter chosen (none keeps
    // the one offered first).
    void QueueSave(const QString& path, const QString& filter = QString())
    {
        m_saves.push_back({path, filter});
    }

    const QList<Shown>& Messages() const { return m_messages; }
    QStringList Texts() const;
    // Title and filter of each file dialog.
    QStringList FileDialogs() const { return m_fileDialogs; }

    Answer Show(const QString& text, Icon icon, Buttons buttons, const QString& title) override;
    QString ChooseFolder(const QString& title, const QString& startFolder) override;
    QStringList ChooseFilesToOpen(const QString& title, const QString& folder,
                                  const QString& filter) override;
    // The first of the next queued files; recorded as a multiple-file dialog is.
    QString ChooseFileToOpen(const QString& title, const QString& folder,
                             const QString& filter) override;
    QString ChooseFileToSave(const QString& title, const QString& folder, const QString& filter,
                             QString* chosenFilter) override;
    // The folder each save dialog started in.
    QStringList SaveFolders() const { return m_saveFolders; }
    std::optional<QColor> ChooseColor(const QColor& initial, const QString& title) override;
    std::optional<QFont> ChooseFont(const QFont& initial, const QString& title) override;

    QFont lastInitialFont;

private:
    QList<Shown> m_messages;
    bool m_modal = false;
    std::deque<Answer> m_answers;
    std::deque<QString> m_folders;
    std::deque<QStringList> m_files;
    std::deque<std::pair<QString, QString>> m_saves;
    std::deque<QColor> m_colors;
    std::deque<QFont> m_fonts;
    QStringList m_saveFolders;
    QStringList m_fileDialogs;
};
