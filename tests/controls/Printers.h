// Readable failure messages for the Qt values the tests compare.
#pragma once

#include <QColor>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QColor& color, std::ostream* os) {
    *os << color.name(QColor::HexArgb).toStdString();
}
