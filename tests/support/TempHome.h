#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

class ScriptedPrompt;
class SettingsStore;

// A fresh world for one test: an empty application folder, an empty settings file,
// fresh program-wide values, a scripted prompt and the real clock. Everything is put
// back when the test ends.
class TempHome
{
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString Path() const { return m_dir.path(); }
    QString FilePath(const QString& relative) const { return m_dir.filePath(relative); }
    QString SettingsFile() const { return FilePath(QStringLiteral("settings.ini")); }

    ScriptedPrompt& Prompt() const { return *m_prompt; }
    SettingsStore& Settings() const;

    // Reopens the settings file, as a second run of the program would.
    void ReopenSettings();

private:
    QTemporaryDir m_dir;
    ScriptedPrompt* m_prompt = nullptr;
};
