#include "canvas/objects/ObjectIdentity.h"

namespace ObjectIdentity {
namespace {

Source& InstalledSource()
{
    static Source source;
    return source;
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
    return prefix + (source ? source() : NextLocalNumber());
}

QString NewLocal(QChar prefix)
{
    return prefix + NextLocalNumber();
}

void SetSource(Source source)
{
    InstalledSource() = std::move(source);
}

} // namespace ObjectIdentity
