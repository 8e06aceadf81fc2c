#include "app/ProgramState.h"

#include "app/SettingsKeys.h"
#include "canvas/objects/ObjectIdentity.h"
#include "photos/PhotoLibraryLayout.h"
#include "platform/SettingsStore.h"

void CProgramState::LoadStartupSettings(const CSettingsStore& store,
                                        const QString& addressBookPath)
{
    menuStyle = store.GetInt(QString::fromLatin1(SettingsKey::General),
                             QString::fromLatin1(SettingsKey::MenuStyle), 1);
    email = CEmailSettings::Load(store);
    addressBook = CEmailAddressBook::Load(addressBookPath);
    objectIds.Load(store);
}

void CProgramState::LoadCenterSettings(const CSettingsStore& store)
{
    centerInfo = CCenterInfo::Load(store);
    tuitionRates = CTuitionRates::FromTexts(CTuitionRateTexts::Load(store));
    canvasBackground = LoadCanvasBackground(store, kDefaultCanvasBackground);
}

QString CProgramState::StartupPicturesRoot(const CSettingsStore& store) const
{
    const QString configured = store.GetString(QString::fromLatin1(SettingsKey::Setting),
                                               QString::fromLatin1(SettingsKey::RootDirectory));
    return configured.isEmpty() ? PhotoLibrary::DefaultRoot(programDir) : configured;
}

CProgramState& Program()
{
    static CProgramState state;
    return state;
}

QString NextGlobalObjectId()
{
    return Program().objectIds.Next(Settings());
}

void UseGlobalObjectIdsForCanvasObjects()
{
    ObjectIdentity::SetSource({[] { return Program().objectIds.Take(); },
                               [] { Program().objectIds.Store(Settings()); }});
}
