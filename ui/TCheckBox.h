// TCheckBox and TRadioButton. OnClick fires on a click and whenever code
// changes Checked to a new value (a radio button: when it becomes checked).
#pragma once

#include "TControl.h"

#include <QCheckBox>
#include <QRadioButton>

class TCheckBox : public QCheckBox, public TControl
{
    Q_OBJECT
public:
    explicit TCheckBox(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& c) { setText(c); }
    bool Checked() const { return isChecked(); }
    void SetChecked(bool c);
    TCheckBoxState State() const;
    void SetState(TCheckBoxState s);
    bool AllowGrayed() const { return isTristate(); }
    void SetAllowGrayed(bool a) { setTristate(a); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);

    TNotifyEvent OnClick;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    TAlignment alignment_ = taRightJustify;
};

class TRadioButton : public QRadioButton, public TControl
{
    Q_OBJECT
public:
    explicit TRadioButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& c) { setText(c); }
    bool Checked() const { return isChecked(); }
    void SetChecked(bool c);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};
