#pragma once

#include "settings/ObjectIdCounter.h"
#include "settings/ProgramSettings.h"
#include "settings/RecentFolderList.h"
#include "mail/EmailAddressBook.h"

#include <QColor>
#include <QList>
#include <QString>

class SettingsStore;

// The program-wide values every part reads: owned once, for the whole run.
class ProgramState
{
public:
    static inline const QColor kDefaultCanvasBackground{129, 192, 245};

    QString programDir;     // the application folder, no trailing separator
    QString picturesRoot;   // the folder the photo tree shows
    int menuStyle = 1;
    EmailSettings email;
    CenterInfo centerInfo;
    TuitionRates tuitionRates;
    ObjectIdCounter objectIds;
    QList<AddressBookEntry> addressBook;
    RecentFolderList recentFolders;
    QColor canvasBackground = kDefaultCanvasBackground;

    // What start-up reads once: menu style, e-mail settings, the address book and the
    // object counter.
    void LoadStartupSettings(const SettingsStore& store, const QString& addressBookPath);
    // The center details and tuition rates the canvas and statements use, and the page's
    // background colour.
    void LoadCenterSettings(const SettingsStore& store);
    // ROOTDIRECTORY, or the application folder's Pictures when it is not set.
    QString StartupPicturesRoot(const SettingsStore& store) const;
};

// The program's one instance.
ProgramState& Program();

// A new identifier for a canvas object, one greater than the last ever issued.
QString NextGlobalObjectId();
// Canvas objects number themselves from the counter above from now on.
void UseGlobalObjectIdsForCanvasObjects();
