#pragma once

#include "support/ScriptedPrompt.h"
#include "support/TempHome.h"

#include <QDialog>
#include <functional>
#include <gtest/gtest.h>

// A fresh application folder and scripted prompt for each test; nested modal dialogs
// run through a script instead of waiting for a person.
class DialogTest : public ::testing::Test
{
protected:
    // The next modal dialog runs `script`, then reports how the script left it.
    void ScriptNextDialog(std::function<void(QDialog&)> script);

    ScriptedPrompt& Prompt() { return m_home.Prompt(); }
    SettingsStore& Store() { return m_home.Settings(); }

    TempHome m_home;
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
