#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// Every message box, question and common dialog of the program goes through this
// interface. The desktop installs one that shows Qt dialogs; tests install a
// scripted one; the command-line tool answers on the console.
class UserPrompt
{
public:
    enum class Icon { Information, Warning, Stop, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~UserPrompt() = default;

    // A message box. The title defaults to the program's title.
    virtual Answer Show(const QString& text, Icon icon, Buttons buttons,
                        const QString& title = QString()) = 0;

    // Common dialogs; an empty result or nullopt means the user cancelled.
    virtual QString ChooseFolder(const QString& title, const QString& startFolder) = 0;
    virtual QStringList ChooseFilesToOpen(const QString& title, const QString& folder,
                                          const QString& filter) = 0;
    virtual QString ChooseFileToOpen(const QString& title, const QString& folder,
                                     const QString& filter) = 0;
    // `chosenFilter`, when given, picks the filter shown first and returns the one chosen.
    virtual QString ChooseFileToSave(const QString& title, const QString& folder,
                                     const QString& filter, QString* chosenFilter = nullptr) = 0;
    virtual std::optional<QColor> ChooseColor(const QColor& initial, const QString& title) = 0;
    virtual std::optional<QFont> ChooseFont(const QFont& initial, const QString& title) = 0;

    // Shorthands for the common message boxes.
    void Inform(const QString& text) { Show(text, Icon::Information, Buttons::Ok); }
    void Warn(const QString& text) { Show(text, Icon::Warning, Buttons::Ok); }
    void Error(const QString& text) { Show(text, Icon::Stop, Buttons::Ok); }
    bool AskYesNo(const QString& text)
    {
        return Show(text, Icon::Question, Buttons::YesNo) == Answer::Yes;
    }
    Answer AskYesNoCancel(const QString& text)
    {
        return Show(text, Icon::Question, Buttons::YesNoCancel);
    }

    // The save dialog only asks about the name as typed; an extension added to it
    // afterwards may name a file that is already there. True when `path` may be written.
    bool MayReplaceAddedName(const QString& typed, const QString& path);

    static QString DefaultTitle() { return QStringLiteral("Tendrel V1.0"); }
};

// The program-wide prompt. Until one is installed, a console prompt answers.
UserPrompt& Prompt();
// Installs a prompt and returns the one it replaces.
std::unique_ptr<UserPrompt> InstallPrompt(std::unique_ptr<UserPrompt> prompt);

// A prompt without dialogs: every file, folder, colour and font choice is cancelled.
class NoDialogPrompt : public UserPrompt
{
public:
    QString ChooseFolder(const QString&, const QString&) override { return {}; }
    QStringList ChooseFilesToOpen(const QString&, const QString&, const QString&) override
    {
        return {};
    }
    QString ChooseFileToOpen(const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseFileToSave(const QString&, const QString&, const QString&, QString*) override
    {
        return {};
    }
    std::optional<QColor> ChooseColor(const QColor&, const QString&) override { return {}; }
    std::optional<QFont> ChooseFont(const QFont&, const QString&) override { return {}; }
};

// Writes messages to standard error and answers every question with its safe choice
// (Cancel, No, nothing chosen), for scripts and cron.
class ConsolePrompt : public NoDialogPrompt
{
public:
    Answer Show(const QString& text, Icon icon, Buttons buttons, const QString& title) override;
};
