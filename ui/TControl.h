// TControl: what every control of the toolkit layer has in common.
//
// Each control class derives from the Qt widget that shows it and from
// TControl (for example `class TEdit : public QLineEdit, public TControl`), so a
// control is a QWidget as well (tests drive it with QTest directly). Geometry is
// absolute and in pixels, relative to the parent's client area; Align docks a
// control in its parent (top and bottom first, then left and right, then the
// client control in what is left).
#pragma once

#include "VclTypes.h"

#include <QRect>
#include <QString>
#include <functional>
#include <memory>

class QWidget;
class QKeyEvent;
class QFocusEvent;
class TControl;
class TForm;

class TFont
{
public:
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    int Size() const; // points
    void SetSize(int points);
    QString Name() const;
    void SetName(const QString& family);
    TFontStyles Style() const;
    void SetStyle(TFontStyles s);

private:
    friend class TControl;
    explicit TFont(TControl* owner) : owner_(owner) {}
    TControl* owner_;
    TColor color_ = clWindowText;
};

class TControl : public TObject
{
public:
    ~TControl() override;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    QWidget* Widget() const { return self_; }
    // The widget that holds this control's children (a form's client area,
    // a scroll box's scrolled area); the control's own widget for the others.
    virtual QWidget* ClientWidget() const { return self_; }
    // Where a child of `parent` is placed: the client widget of a control,
    // the widget itself otherwise.
    static QWidget* ClientOf(QWidget* parent);
    // The control shown by w (w itself, or the control whose client area w is).
    static TControl* FromWidget(QWidget* w);

    TControl* Parent() const;
    // Moves the control into another parent (a control or any widget); null detaches.
    virtual void SetParent(QWidget* parent);
    TForm* ParentForm() const; // the nearest form that holds the control (or is it)
    int ControlCount() const;
    TControl* Controls(int i) const;

    QString Name() const;
    void SetName(const QString& name);

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    virtual void SetBounds(int left, int top, int width, int height);
    QRect BoundsRect() const;
    virtual int ClientWidth() const;
    virtual int ClientHeight() const;
    virtual void SetClientWidth(int v);
    virtual void SetClientHeight(int v);
    // The area docked children share, in the client widget's coordinates.
    virtual QRect ClientRect() const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign a);
    // Lays out the docked children of this control again.
    void Realign();

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent visible.
    bool Showing() const;
    bool Enabled() const;
    virtual void SetEnabled(bool e);
    int Tag() const { return tag_; }
    void SetTag(int t) { tag_ = t; }
    QString Hint() const { return hint_; }
    void SetHint(const QString& h);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool s);
    TColor Color() const { return color_; }
    virtual void SetColor(TColor c);
    TFont* Font() { return font_.get(); }
    const TFont* Font() const { return font_.get(); }
    bool TabStop() const { return tabStop_; }
    virtual void SetTabStop(bool t);
    bool Focused() const;
    bool CanFocus() const;
    virtual void SetFocus();
    void BringToFront();
    void SendToBack();
    void Invalidate();
    void Repaint();

    // Key events of the focused control; a form with KeyPreview sees them first.
    // Setting Key to 0 in OnKeyDown or OnKeyPress swallows the key; OnKeyPress
    // may also replace the character.
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    // Focus moves between controls of one window (never window activation,
    // message boxes or popups).
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // Font and colour changed: the control updates its palette.
    virtual void ApplyFont();

protected:
    explicit TControl(QWidget* self);
    // Shows a control made with a parent; the last step of every control's
    // constructor.
    void InitVisible();
    // To be called from the control's keyPressEvent/keyReleaseEvent/focus handlers.
    // `base` runs the Qt widget's own handling with the (possibly replaced) event.
    void DispatchKeyPress(QKeyEvent* e, const std::function<void(QKeyEvent*)>& base);
    void DispatchKeyRelease(QKeyEvent* e, const std::function<void(QKeyEvent*)>& base);
    void DispatchFocusIn(QFocusEvent* e);
    void DispatchFocusOut(QFocusEvent* e);
    // Whether a plain Return or Escape is used by the control itself (a memo);
    // otherwise they press the form's default or cancel button.
    virtual bool WantsKey(int qtKey) const;
    // Palette roles for Color and Font->Color.
    virtual void ApplyColor();
    void RealignParent();
    void StoreVisible(bool v) { visible_ = v; }

private:
    friend class TFont;
    friend struct TAlignSupport;
    QWidget* self_;
    std::unique_ptr<TFont> font_;
    TAlign align_ = alNone;
    bool visible_ = true;
    bool showHint_ = false;
    bool tabStop_ = true;
    int tag_ = 0;
    TColor color_ = clDefault;
    QString hint_;
    unsigned long long order_;
};
