#include "platform/UserPrompt.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

std::unique_ptr<UserPrompt>& InstalledPrompt()
{
    static std::unique_ptr<UserPrompt> prompt = std::make_unique<ConsolePrompt>();
    return prompt;
}

} // namespace

UserPrompt& Prompt()
{
    return *InstalledPrompt();
}

std::unique_ptr<UserPrompt> InstallPrompt(std::unique_ptr<UserPrompt> prompt)
{
    if (!prompt)
        prompt = std::make_unique<ConsolePrompt>();
    std::swap(prompt, InstalledPrompt());
    return prompt;
}

bool UserPrompt::MayReplaceAddedName(const QString& typed, const QString& path)
{
    if (path == typed || !QFileInfo(path).exists())
        return true;
    return AskYesNo(QStringLiteral("%1 already exists.\nDo you want to replace it?")
                        .arg(QDir::toNativeSeparators(path)));
}

UserPrompt::Answer ConsolePrompt::Show(const QString& text, Icon icon, Buttons buttons,
                                     const QString&)
{
    const char* kind = icon == Icon::Stop ? "error" : icon == Icon::Warning ? "warning" : "note";
    std::fprintf(stderr, "%s: %s\n", kind, qPrintable(text));
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::OkCancel: return Answer::Cancel;
    case Buttons::YesNo: return Answer::No;
    case Buttons::YesNoCancel: return Answer::Cancel;
    }
    return Answer::Cancel;
}
