#include "TCheckBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

TCheckBox::TCheckBox(QWidget* parent) : QCheckBox(ClientOf(parent)), TControl(this)
{
    resize(97, 17);
    connect(this, &QCheckBox::stateChanged, this, [this](int) { OnClick(this); });
    InitVisible();
}

void TCheckBox::SetChecked(bool c)
{
    setChecked(c);
}

TCheckBoxState TCheckBox::State() const
{
    switch (checkState()) {
    case Qt::Checked:
        return cbChecked;
    case Qt::PartiallyChecked:
        return cbGrayed;
    default:
        return cbUnchecked;
    }
}

void TCheckBox::SetState(TCheckBoxState s)
{
    if (s == cbGrayed)
        setTristate(true);
    setCheckState(s == cbChecked ? Qt::Checked : s == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
}

void TCheckBox::SetAlignment(TAlignment a)
{
    alignment_ = a;
    setLayoutDirection(a == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TCheckBox::keyPressEvent(QKeyEvent* e)
{
    DispatchKeyPress(e, [this](QKeyEvent* k) { QCheckBox::keyPressEvent(k); });
}

void TCheckBox::keyReleaseEvent(QKeyEvent* e)
{
    DispatchKeyRelease(e, [this](QKeyEvent* k) { QCheckBox::keyReleaseEvent(k); });
}

void TCheckBox::focusInEvent(QFocusEvent* e)
{
    QCheckBox::focusInEvent(e);
    DispatchFocusIn(e);
}

void TCheckBox::focusOutEvent(QFocusEvent* e)
{
    QCheckBox::focusOutEvent(e);
    DispatchFocusOut(e);
}

TRadioButton::TRadioButton(QWidget* parent) : QRadioButton(ClientOf(parent)), TControl(this)
{
    resize(113, 17);
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OnClick(this);
    });
    InitVisible();
}

void TRadioButton::SetChecked(bool c)
{
    if (c || !isChecked()) {
        setChecked(c);
        return;
    }
    // An exclusive radio button can only be unchecked with exclusivity off.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

void TRadioButton::keyPressEvent(QKeyEvent* e)
{
    DispatchKeyPress(e, [this](QKeyEvent* k) { QRadioButton::keyPressEvent(k); });
}

void TRadioButton::keyReleaseEvent(QKeyEvent* e)
{
    DispatchKeyRelease(e, [this](QKeyEvent* k) { QRadioButton::keyReleaseEvent(k); });
}

void TRadioButton::focusInEvent(QFocusEvent* e)
{
    QRadioButton::focusInEvent(e);
    DispatchFocusIn(e);
}

void TRadioButton::focusOutEvent(QFocusEvent* e)
{
    QRadioButton::focusOutEvent(e);
    DispatchFocusOut(e);
}

void TRadioButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    QRadioButton::mouseDoubleClickEvent(e);
    OnDblClick(this);
}
