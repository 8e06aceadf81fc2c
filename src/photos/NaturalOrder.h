#pragma once

#include <QCollator>
#include <QString>

// Orders names as people read them: "photo2" before "photo10", without regard to case.
// Names that differ only in case keep a fixed order, so a listing never shuffles.
class NaturalOrder
{
public:
    NaturalOrder();

    // Negative, zero or positive as `a` goes before, with or after `b`.
    int Compare(const QString& a, const QString& b) const;
    bool operator()(const QString& a, const QString& b) const { return Compare(a, b) < 0; }

private:
    QCollator m_collator;
};
