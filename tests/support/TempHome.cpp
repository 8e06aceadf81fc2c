#include "support/TempHome.h"

#include "app/ProgramState.h"
#include "platform/Clock.h"
#include "platform/ModalRunner.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedPrompt.h"

CTempHome::CTempHome()
{
    CSettingsStore::UseFile(SettingsFile());
    Program() = CProgramState();
    Program().programDir = Path();
    auto prompt = std::make_unique<CScriptedPrompt>();
    m_prompt = prompt.get();
    InstallPrompt(std::move(prompt));
    CClock::Reset();
}

CTempHome::~CTempHome()
{
    SetModalHook({});
    InstallPrompt(nullptr);
    Program() = CProgramState();
    CSettingsStore::UseNative();
    CClock::Reset();
}

CSettingsStore& CTempHome::Settings() const
{
    return CSettingsStore::Instance();
}

void CTempHome::ReopenSettings()
{
    CSettingsStore::UseFile(SettingsFile());
}
