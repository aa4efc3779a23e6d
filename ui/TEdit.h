// TEdit, a one-line edit, and TMemo, a multi-line one.
//
// TEdit.OnChange fires on every change of the text, typed or assigned by code
// (SetText). MaxLength limits what the user types or pastes; text assigned by
// code is kept whole. OnKeyPress can swallow (Key = 0) or replace a typed
// character before the edit sees it.
#pragma once

#include "TControl.h"
#include "TStrings.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>

class TEdit : public QLineEdit, public TControl
{
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr);
    ~TEdit() override;

    QString Text() const { return text(); }
    void SetText(const QString& t);
    int MaxLength() const { return maxLength_; } // 0: no limit
    void SetMaxLength(int n) { maxLength_ = n < 0 ? 0 : n; }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool r) { setReadOnly(r); }
    int SelStart() const;
    int SelLength() const;
    void SetSelStart(int p);
    void SetSelLength(int n);
    void SelectAll() { selectAll(); }
    QChar PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(QChar c);
    bool Modified() const { return isModified(); }
    void SetModified(bool m) { setModified(m); }

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    int maxLength_ = 0;
    int acceptedLength_ = 0;
    QChar passwordChar_;
};

class TMemo : public QPlainTextEdit, public TControl
{
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent = nullptr);
    ~TMemo() override;

    TStrings* Lines() { return lines_.get(); }
    QString Text() const { return toPlainText(); }
    void SetText(const QString& t);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool r) { setReadOnly(r); }
    bool WordWrap() const;
    void SetWordWrap(bool w);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool w) { wantReturns_ = w; }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n) { maxLength_ = n < 0 ? 0 : n; }
    void Clear() { SetText(QString()); }

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool WantsKey(int qtKey) const override;

private:
    std::unique_ptr<TStrings> lines_;
    TScrollStyle scrollBars_ = ssNone;
    bool wantReturns_ = true;
    int maxLength_ = 0;
};
