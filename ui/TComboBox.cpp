#include "TComboBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
class TComboItems : public TStrings
{
public:
    explicit TComboItems(TComboBox* c) : c_(c) {}
    int Count() const override { return c_->count(); }
    QString Strings(int i) const override { return c_->itemText(i); }
    void Put(int i, const QString& s) override
    {
        if (i >= 0 && i < c_->count())
            c_->setItemText(i, s);
    }
    void Insert(int i, const QString& s) override
    {
        // Adding items never selects one nor changes the text.
        const int index = c_->ItemIndex();
        const QString text = c_->Text();
        const QSignalBlocker block(c_);
        if (i < 0 || i > c_->count())
            i = c_->count();
        c_->insertItem(i, s);
        Restore(index < 0 ? -1 : (index >= i ? index + 1 : index), text);
    }
    void Delete(int i) override
    {
        if (i < 0 || i >= c_->count())
            return;
        const int index = c_->ItemIndex();
        const QString text = c_->Text();
        const QSignalBlocker block(c_);
        c_->removeItem(i);
        Restore(index == i ? -1 : (index > i ? index - 1 : index), index == i ? QString() : text);
    }
    void Clear() override { c_->Clear(); }

private:
    void Restore(int index, const QString& text)
    {
        c_->setCurrentIndex(index);
        if (c_->isEditable() && c_->lineEdit()->text() != text)
            c_->lineEdit()->setText(text);
    }
    TComboBox* c_;
};
} // namespace

TComboBox::TComboBox(QWidget* parent)
    : QComboBox(ClientOf(parent)), TControl(this), items_(new TComboItems(this))
{
    resize(145, 21);
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    SetStyle(csDropDown);
    connect(this, &QComboBox::activated, this, [this](int) {
        OnClick(this);
        OnSelect(this);
        OnChange(this);
    });
    InitVisible();
}

TComboBox::~TComboBox() = default;

void TComboBox::SetStyle(TComboBoxStyle s)
{
    style_ = s;
    const bool editable = s != csDropDownList;
    if (editable == isEditable() && (!editable || lineEdit()))
        return;
    const QString text = Text();
    const int index = currentIndex();
    setEditable(editable);
    if (editable)
        InstallEditor();
    setCurrentIndex(index);
    if (editable)
        lineEdit()->setText(text);
}

void TComboBox::InstallEditor()
{
    QLineEdit* le = lineEdit();
    setCompleter(nullptr);
    le->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
    connect(le, &QLineEdit::textEdited, this, [this] { OnChange(this); });
}

int TComboBox::ItemIndex() const
{
    const int i = currentIndex();
    if (i < 0 || !isEditable())
        return i;
    return lineEdit()->text() == itemText(i) ? i : -1;
}

void TComboBox::SetItemIndex(int i)
{
    if (i < -1 || i >= count())
        i = -1;
    const QSignalBlocker block(this);
    setCurrentIndex(i);
    if (isEditable() && i < 0)
        lineEdit()->clear();
}

QString TComboBox::Text() const
{
    if (isEditable())
        return lineEdit()->text();
    return currentIndex() >= 0 ? itemText(currentIndex()) : QString();
}

void TComboBox::SetText(const QString& t)
{
    const QSignalBlocker block(this);
    const int i = findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!isEditable()) {
        setCurrentIndex(i);
        return;
    }
    if (i >= 0)
        setCurrentIndex(i);
    lineEdit()->setText(t);
}

void TComboBox::SetMaxLength(int n)
{
    maxLength_ = n < 0 ? 0 : n;
    if (lineEdit())
        lineEdit()->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

bool TComboBox::DroppedDown() const
{
    return view() && view()->isVisible();
}

void TComboBox::Clear()
{
    const QSignalBlocker block(this);
    clear();
    if (isEditable())
        lineEdit()->clear();
}

void TComboBox::keyPressEvent(QKeyEvent* e)
{
    DispatchKeyPress(e, [this](QKeyEvent* k) { QComboBox::keyPressEvent(k); });
}

void TComboBox::keyReleaseEvent(QKeyEvent* e)
{
    DispatchKeyRelease(e, [this](QKeyEvent* k) { QComboBox::keyReleaseEvent(k); });
}

void TComboBox::focusInEvent(QFocusEvent* e)
{
    QComboBox::focusInEvent(e);
    DispatchFocusIn(e);
}

void TComboBox::focusOutEvent(QFocusEvent* e)
{
    QComboBox::focusOutEvent(e);
    DispatchFocusOut(e);
}

void TComboBox::showPopup()
{
    OnDropDown(this);
    QComboBox::showPopup();
}
