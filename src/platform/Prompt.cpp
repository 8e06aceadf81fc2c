#include "platform/Prompt.h"

#include <cstdio>

namespace {

std::unique_ptr<CPrompt>& InstalledPrompt()
{
    static std::unique_ptr<CPrompt> prompt = std::make_unique<CConsolePrompt>();
    return prompt;
}

} // namespace

CPrompt& Prompt()
{
    return *InstalledPrompt();
}

std::unique_ptr<CPrompt> InstallPrompt(std::unique_ptr<CPrompt> prompt)
{
    if (!prompt)
        prompt = std::make_unique<CConsolePrompt>();
    std::swap(prompt, InstalledPrompt());
    return prompt;
}

CPrompt::Answer CConsolePrompt::Show(const QString& text, Icon icon, Buttons buttons,
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
