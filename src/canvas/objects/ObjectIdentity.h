#pragma once

#include <QChar>
#include <QString>
#include <functional>

// Where canvas objects take their identities from. The desktop program installs the
// persistent counter of its settings; without one (tools, tests) a counter of this run
// serves, so reading a document never writes settings behind a script's back.
namespace ObjectIdentity {

using Source = std::function<QString()>;

// The prefix letter followed by the next number of the installed source.
QString New(QChar prefix);
// An identity from this run's own counter, for kinds that take no number from the
// persistent counter.
QString NewLocal(QChar prefix);
// Installs the number source; an empty function restores this run's own counter.
void SetSource(Source source);

} // namespace ObjectIdentity
