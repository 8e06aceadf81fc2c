#include "photos/NaturalOrder.h"

#include <QLocale>

namespace {

// The "C" locale compares code points and ignores the numeric mode; a program started
// without a language still sorts the way its users read.
QLocale CollationLocale()
{
    const QLocale system;
    return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                            : system;
}

} // namespace

NaturalOrder::NaturalOrder() : m_collator(CollationLocale())
{
    m_collator.setNumericMode(true);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

int NaturalOrder::Compare(const QString& a, const QString& b) const
{
    if (const int order = m_collator.compare(a, b); order != 0)
        return order;
    return a.compare(b);
}
