#include "TStrings.h"

int TStrings::Add(const QString& s)
{
    const int n = Count();
    Insert(n, s);
    return n;
}

int TStrings::IndexOf(const QString& s) const
{
    const int n = Count();
    for (int i = 0; i < n; ++i) {
        if (Strings(i) == s)
            return i;
    }
    return -1;
}

QStringList TStrings::ToStringList() const
{
    QStringList l;
    const int n = Count();
    l.reserve(n);
    for (int i = 0; i < n; ++i)
        l.append(Strings(i));
    return l;
}

void TStrings::Assign(const QStringList& l)
{
    Clear();
    for (const QString& s : l)
        Add(s);
}

QString TStrings::Text() const
{
    return ToStringList().join(QLatin1Char('\n'));
}

void TStrings::SetText(const QString& t)
{
    QString norm = t;
    norm.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList l = norm.split(QLatin1Char('\n'));
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    Assign(l);
}

QString TStringList::Strings(int i) const
{
    return list_.value(i);
}

void TStringList::Put(int i, const QString& s)
{
    if (i < 0 || i >= list_.size())
        return;
    list_[i] = s;
    Changed();
}

void TStringList::Insert(int i, const QString& s)
{
    if (i < 0 || i > list_.size())
        i = static_cast<int>(list_.size());
    list_.insert(i, s);
    Changed();
}

void TStringList::Delete(int i)
{
    if (i < 0 || i >= list_.size())
        return;
    list_.removeAt(i);
    Changed();
}

void TStringList::Clear()
{
    if (list_.isEmpty())
        return;
    list_.clear();
    Changed();
}
