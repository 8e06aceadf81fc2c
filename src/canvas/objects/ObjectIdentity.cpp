#include "canvas/objects/ObjectIdentity.h"

#include "platform/SettingsStore.h"
#include "settings/ProgramState.h"

namespace ObjectIdentity {
namespace {

Source& InstalledSource()
{
    static Source source;
    return source;
}

int& OpenBatches()
{
    static int open = 0;
    return open;
}

bool& TakenInBatch()
{
    static bool taken = false;
    return taken;
}

QString NextLocalNumber()
{
    static qint64 counter = 0;
    return QString::number(++counter);
}

} // namespace

QString New(QChar prefix)
{
    const Source& source = InstalledSource();
    if (!source.take)
        return prefix + NextLocalNumber();
    const QString number = source.take();
    if (OpenBatches() > 0)
        TakenInBatch() = true;
    else if (source.keep)
        source.keep();
    return prefix + number;
}

QString NewLocal(QChar prefix)
{
    return prefix + NextLocalNumber();
}

void SetSource(Source source)
{
    InstalledSource() = std::move(source);
}

Batch::Batch()
{
    ++OpenBatches();
}

Batch::~Batch()
{
    if (--OpenBatches() > 0 || !TakenInBatch())
        return;
    TakenInBatch() = false;
    if (const Source& source = InstalledSource(); source.keep)
        source.keep();
}

} // namespace ObjectIdentity

void UseGlobalObjectIdsForCanvasObjects()
{
    ObjectIdentity::SetSource({[] { return Program().objectIds.Take(); },
                               [] { Program().objectIds.Store(Settings()); }});
}
