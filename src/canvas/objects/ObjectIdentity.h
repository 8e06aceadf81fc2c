#pragma once

#include <QChar>
#include <QString>
#include <functional>

// Where canvas objects take their identities from. The desktop program installs the
// persistent counter of its settings; without one (tools, tests) a counter of this run
// serves, so reading a document never writes settings behind a script's back.
namespace ObjectIdentity {

struct Source
{
    std::function<QString()> take; // the next number
    std::function<void()> keep;    // makes the last number taken permanent
};

// The prefix letter followed by the next number of the installed source, kept at once
// unless a batch is open.
QString New(QChar prefix);
// An identity from this run's own counter, for kinds that take no number from the
// persistent counter.
QString NewLocal(QChar prefix);
// Installs the number source; an empty source restores this run's own counter.
void SetSource(Source source);

// While one exists, numbers are kept once at its end instead of one by one: reading a
// document of thousands of objects writes the counter once.
class Batch
{
public:
    Batch();
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
};

} // namespace ObjectIdentity
