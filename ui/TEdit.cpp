#include "TEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QValidator>

namespace {
// Limits typed and pasted text to MaxLength; text assigned by code is never
// cut, and a text that is already longer may still be shortened.
class TLengthValidator : public QValidator
{
public:
    TLengthValidator(QLineEdit* edit, const int* maxLength, const int* acceptedLength)
        : QValidator(edit), max_(maxLength), accepted_(acceptedLength)
    {
    }
    State validate(QString& input, int&) const override
    {
        if (*max_ > 0 && input.size() > *max_ && input.size() > *accepted_)
            return Invalid;
        return Acceptable;
    }

private:
    const int* max_;
    const int* accepted_; // length of the text before this edit
};

class TMemoLines : public TStrings
{
public:
    explicit TMemoLines(TMemo* m) : m_(m) {}
    int Count() const override
    {
        if (m_->document()->isEmpty())
            return 0;
        return m_->document()->blockCount();
    }
    QString Strings(int i) const override
    {
        if (i < 0 || i >= Count())
            return QString();
        return m_->document()->findBlockByNumber(i).text();
    }
    void Put(int i, const QString& s) override
    {
        QStringList l = ToStringList();
        if (i < 0 || i >= l.size())
            return;
        l[i] = s;
        m_->SetText(l.join(QLatin1Char('\n')));
    }
    void Insert(int i, const QString& s) override
    {
        const int n = Count();
        if (i < 0 || i >= n) {
            if (n == 0)
                m_->SetText(s);
            else
                m_->appendPlainText(s);
            return;
        }
        QStringList l = ToStringList();
        l.insert(i, s);
        m_->SetText(l.join(QLatin1Char('\n')));
    }
    void Delete(int i) override
    {
        QStringList l = ToStringList();
        if (i < 0 || i >= l.size())
            return;
        l.removeAt(i);
        m_->SetText(l.join(QLatin1Char('\n')));
    }
    void Clear() override { m_->SetText(QString()); }

private:
    TMemo* m_;
};
} // namespace

// ---- TEdit --------------------------------------------------------------------
TEdit::TEdit(QWidget* parent) : QLineEdit(ClientOf(parent)), TControl(this)
{
    resize(121, 21);
    setValidator(new TLengthValidator(this, &maxLength_, &acceptedLength_));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) {
        acceptedLength_ = static_cast<int>(t.size());
        OnChange(this);
    });
    InitVisible();
}

TEdit::~TEdit() = default;

void TEdit::SetText(const QString& t)
{
    // Assigning the text it already has changes nothing and reports nothing.
    setText(t);
}

int TEdit::SelStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int TEdit::SelLength() const
{
    return hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
}

void TEdit::SetSelStart(int p)
{
    setCursorPosition(p);
}

void TEdit::SetSelLength(int n)
{
    const int start = SelStart();
    setSelection(start, n);
}

void TEdit::SetPasswordChar(QChar c)
{
    passwordChar_ = c;
    setEchoMode(c.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TEdit::keyPressEvent(QKeyEvent* e)
{
    DispatchKeyPress(e, [this](QKeyEvent* k) { QLineEdit::keyPressEvent(k); });
}

void TEdit::keyReleaseEvent(QKeyEvent* e)
{
    DispatchKeyRelease(e, [this](QKeyEvent* k) { QLineEdit::keyReleaseEvent(k); });
}

void TEdit::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    DispatchFocusIn(e);
}

void TEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    DispatchFocusOut(e);
}

void TEdit::mouseReleaseEvent(QMouseEvent* e)
{
    QLineEdit::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton)
        OnClick(this);
}

void TEdit::mouseDoubleClickEvent(QMouseEvent* e)
{
    QLineEdit::mouseDoubleClickEvent(e);
    OnDblClick(this);
}

// ---- TMemo --------------------------------------------------------------------
TMemo::TMemo(QWidget* parent) : QPlainTextEdit(ClientOf(parent)), TControl(this), lines_(new TMemoLines(this))
{
    resize(185, 89);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    SetScrollBars(ssNone);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { OnChange(this); });
    InitVisible();
}

TMemo::~TMemo() = default;

void TMemo::SetText(const QString& t)
{
    setPlainText(t);
}

bool TMemo::WordWrap() const
{
    return lineWrapMode() != QPlainTextEdit::NoWrap;
}

void TMemo::SetWordWrap(bool w)
{
    setLineWrapMode(w ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle s)
{
    scrollBars_ = s;
    setHorizontalScrollBarPolicy(s == ssHorizontal || s == ssBoth ? Qt::ScrollBarAlwaysOn
                                                                  : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(s == ssVertical || s == ssBoth ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAlwaysOff);
}

bool TMemo::WantsKey(int qtKey) const
{
    return (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter) && wantReturns_;
}

void TMemo::keyPressEvent(QKeyEvent* e)
{
    DispatchKeyPress(e, [this](QKeyEvent* k) {
        if (maxLength_ > 0 && !k->text().isEmpty() && k->text().at(0).isPrint() &&
            toPlainText().size() >= maxLength_ && !textCursor().hasSelection()) {
            k->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(k);
    });
}

void TMemo::keyReleaseEvent(QKeyEvent* e)
{
    DispatchKeyRelease(e, [this](QKeyEvent* k) { QPlainTextEdit::keyReleaseEvent(k); });
}

void TMemo::focusInEvent(QFocusEvent* e)
{
    QPlainTextEdit::focusInEvent(e);
    DispatchFocusIn(e);
}

void TMemo::focusOutEvent(QFocusEvent* e)
{
    QPlainTextEdit::focusOutEvent(e);
    DispatchFocusOut(e);
}
