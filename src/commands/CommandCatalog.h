#pragma once

#include <QString>

// How a command presents itself in menus and on toolbars.
struct CommandInfo
{
    int id = 0;
    const char* text = "";      // menu text, with & for the access key and \t before a key
    const char* toolTip = "";   // tool tip and status-bar help
    const char* icon = "";      // bundled icon name, empty for none
};

// The entry for a command id, or nullptr when the id has no presentation.
const CommandInfo* FindCommandInfo(int id);

// The menu text without access-key ampersands or the key after the tab.
QString PlainCommandText(const CommandInfo& info);
