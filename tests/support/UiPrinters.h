// Readable GoogleTest output for Qt values (texts, rectangles, points).
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{';
    for (int i = 0; i < l.size(); ++i)
        *os << (i ? ", \"" : "\"") << l[i].toStdString() << '"';
    *os << '}';
}

inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ')';
}

inline void PrintTo(const QPoint& p, std::ostream* os)
{
    *os << "QPoint(" << p.x() << ", " << p.y() << ')';
}
