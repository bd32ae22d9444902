#pragma once

#include <QString>

#include <ostream>

// Lets failure messages show Qt strings as text rather than as raw bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
