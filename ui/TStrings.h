// TStrings: the list of texts behind combo-box and radio-group items, memo
// lines and list-view sub-items. TStringList is the plain one.
#pragma once

#include "VclTypes.h"

#include <QString>
#include <QStringList>

class TStrings
{
public:
    virtual ~TStrings() = default;
    virtual int Count() const = 0;
    virtual QString Strings(int i) const = 0;
    virtual void Put(int i, const QString& s) = 0;
    virtual void Insert(int i, const QString& s) = 0;
    virtual void Delete(int i) = 0;
    virtual void Clear() = 0;

    int Add(const QString& s);
    int IndexOf(const QString& s) const;
    QString operator[](int i) const { return Strings(i); }
    QStringList ToStringList() const;
    void Assign(const QStringList& l);
    void Assign(const TStrings& other) { Assign(other.ToStringList()); }
    // Lines joined by "\n" (a trailing line break as the windows' lists give it is not added).
    QString Text() const;
    void SetText(const QString& t);
};

class TStringList : public TStrings
{
public:
    TStringList() = default;
    explicit TStringList(const QStringList& l) : list_(l) {}
    int Count() const override { return static_cast<int>(list_.size()); }
    QString Strings(int i) const override;
    void Put(int i, const QString& s) override;
    void Insert(int i, const QString& s) override;
    void Delete(int i) override;
    void Clear() override;
    const QStringList& List() const { return list_; }

    TNotifyEvent OnChange; // after every change

private:
    void Changed() { OnChange(nullptr); }
    QStringList list_;
};
