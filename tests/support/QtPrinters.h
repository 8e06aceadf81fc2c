#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable failure messages for the Qt types tests compare.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}

inline void PrintTo(const QColor& color, std::ostream* out)
{
    *out << "rgb(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}
