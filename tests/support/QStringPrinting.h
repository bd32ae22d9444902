#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Lets failure messages show Qt strings as text rather than as raw bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{' << texts.join(QStringLiteral("\", \"")).prepend(u'"').append(u'"').toStdString() << '}';
}
