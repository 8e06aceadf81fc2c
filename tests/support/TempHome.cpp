#include "support/TempHome.h"

#include "settings/ProgramState.h"
#include "platform/Clock.h"
#include "platform/Keyring.h"
#include "widgets/ModalRunner.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedPrompt.h"

TempHome::TempHome()
{
    SettingsStore::UseFile(SettingsFile());
    Program() = ProgramState();
    Program().programDir = Path();
    auto prompt = std::make_unique<ScriptedPrompt>();
    m_prompt = prompt.get();
    InstallPrompt(std::move(prompt));
    // No test reaches the user's keyring.
    InstallKeyring(std::make_unique<NoKeyring>());
    Clock::Reset();
}

TempHome::~TempHome()
{
    SetModalHook({});
    InstallPrompt(nullptr);
    InstallKeyring(std::make_unique<NoKeyring>());
    Program() = ProgramState();
    SettingsStore::UseNative();
    Clock::Reset();
}

SettingsStore& TempHome::Settings() const
{
    return SettingsStore::Instance();
}

void TempHome::ReopenSettings()
{
    SettingsStore::UseFile(SettingsFile());
}
