#pragma once

#include <ostream>

#include <QString>
#include <QStringList>

// Failure messages show Qt's texts as text rather than as UTF-16 code units.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << '"' << texts.join(QStringLiteral("\", \"")).toStdString() << '"';
}
