// TButton, TBitBtn (a button with a glyph) and TSpeedButton (a flat tool
// button that can stay down, alone or in a group).
#pragma once

#include "TControl.h"

#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

class TButton : public QPushButton, public TControl
{
    Q_OBJECT
public:
    explicit TButton(QWidget* parent = nullptr);
    ~TButton() override;

    QString Caption() const { return text(); }
    void SetCaption(const QString& c) { setText(c); }
    // Pressing the button sets its form's modal result (which closes a modal form).
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }
    // Return (Default) or Escape (Cancel) in the form presses the button.
    bool Default() const { return isDefault(); }
    void SetDefault(bool d);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool c);
    // As if the user pressed it (OnClick, then the modal result).
    void Click();

    TNotifyEvent OnClick;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    int modalResult_ = mrNone;
    bool cancel_ = false;
};

class TBitBtn : public TButton
{
    Q_OBJECT
public:
    explicit TBitBtn(QWidget* parent = nullptr);

    void SetGlyph(const QPixmap& p);
    // Loads a bitmap file; false (glyph unchanged) when it cannot be read.
    bool LoadGlyph(const QString& path);
    bool HasGlyph() const { return !glyph_.isNull(); }
    const QPixmap& Glyph() const { return glyph_; }

private:
    QPixmap glyph_;
};

class TSpeedButton : public QToolButton, public TControl
{
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& c) { setText(c); }
    // Buttons of one parent with the same non-zero group index: at most one is down.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int g);
    // A down button of a group goes up when clicked again (else it stays down).
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool a) { allowAllUp_ = a; }
    bool Down() const { return isChecked(); }
    void SetDown(bool d);
    bool Flat() const { return autoRaise(); }
    void SetFlat(bool f) { setAutoRaise(f); }
    void SetGlyph(const QPixmap& p);
    bool LoadGlyph(const QString& path);
    // As if the user clicked it (down state of a group, then OnClick).
    void Click();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    void nextCheckState() override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
};
