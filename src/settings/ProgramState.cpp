#include "settings/ProgramState.h"

#include "settings/SettingsKeys.h"
#include "canvas/objects/ObjectIdentity.h"
#include "photos/PhotoLibraryLayout.h"
#include "platform/SettingsStore.h"

void ProgramState::LoadStartupSettings(const SettingsStore& store,
                                        const QString& addressBookPath)
{
    menuStyle = store.GetInt(QString::fromLatin1(SettingsKey::General),
                             QString::fromLatin1(SettingsKey::MenuStyle), 1);
    email = EmailSettings::Load(store);
    addressBook = EmailAddressBook::Load(addressBookPath);
    objectIds.Load(store);
}

void ProgramState::LoadCenterSettings(const SettingsStore& store)
{
    centerInfo = CenterInfo::Load(store);
    tuitionRates = TuitionRates::FromTexts(TuitionRateTexts::Load(store));
    canvasBackground = LoadCanvasBackground(store, kDefaultCanvasBackground);
}

QString ProgramState::StartupPicturesRoot(const SettingsStore& store) const
{
    const QString configured = store.GetString(QString::fromLatin1(SettingsKey::Setting),
                                               QString::fromLatin1(SettingsKey::RootDirectory));
    return configured.isEmpty() ? PhotoLibrary::DefaultRoot(programDir) : configured;
}

ProgramState& Program()
{
    static ProgramState state;
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
