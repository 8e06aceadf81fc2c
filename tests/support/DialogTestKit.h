#pragma once

#include "support/ScriptedPrompt.h"
#include "support/TempHome.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

// A scripted prompt that also answers colour and font choices.
class ChoosingPrompt : public ScriptedPrompt
{
public:
    void QueueColor(const QColor& color) { m_colors.push_back(color); }
    void QueueFont(const QFont& font) { m_fonts.push_back(font); }

    std::optional<QColor> ChooseColor(const QColor& initial, const QString& title) override;
    std::optional<QFont> ChooseFont(const QFont& initial, const QString& title) override;

    QFont lastInitialFont;

private:
    std::deque<QColor> m_colors;
    std::deque<QFont> m_fonts;
};

// A fresh settings file and a choosing prompt for each test; nested modal dialogs
// run through a script instead of waiting for a person.
class DialogTest : public ::testing::Test
{
protected:
    DialogTest();
    ~DialogTest() override;

    // The next modal dialog runs `script`, then reports how the script left it.
    void ScriptNextDialog(std::function<void(QDialog&)> script);

    ChoosingPrompt& Prompt() { return *m_prompt; }
    SettingsStore& Store() { return m_home.Settings(); }

    TempHome m_home;
    ChoosingPrompt* m_prompt = nullptr;
    std::unique_ptr<UserPrompt> m_homePrompt;
    int m_dialogsRun = 0;
};

template <typename T>
T* Find(const QObject& parent, const char* name)
{
    T* child = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << "no " << name;
    return child;
}

// A key press and release, as the keyboard would send them (shortcuts included).
void Type(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Key presses with their characters, one a character, as typing sends them.
void TypeText(QWidget* widget, const QString& text);

// Presses a standard button of the dialog's button box.
void Press(QDialog& dialog, int standardButton);
