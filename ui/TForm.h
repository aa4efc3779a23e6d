// TForm: a window. Shown modally (ShowModal runs a nested loop and returns the
// modal result when the form closes), shown modelessly, or hosted inside
// another control (SetParent). Numbered messages posted to a form (PostMessage,
// TApplication.h) reach WndProc after the current event.
#pragma once

#include "TControl.h"

#include <QWidget>
#include <cstdint>

class QEventLoop;
class QMenuBar;
class TMainMenu;
class TButton;

struct TMessage
{
    unsigned Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

class TForm : public QWidget, public TControl
{
    Q_OBJECT
public:
    // owner: the form (or any widget) that owns this one; the form is a
    // separate window placed over it and is destroyed with it. Null: owned by
    // the application (delete it yourself).
    explicit TForm(QWidget* owner = nullptr);
    ~TForm() override;

    QWidget* ClientWidget() const override;
    QWidget* Owner() const { return owner_; }
    // Runs OnCreate once. A derived form calls it at the end of its constructor;
    // otherwise it runs before the form is first shown.
    void DoCreate();
    // Runs OnDestroy once (after OnCreate ran). A derived form whose handler
    // uses its members calls it first thing in its destructor; ~TForm calls it
    // for forms that did not.
    void DoDestroy();

    QString Caption() const;
    void SetCaption(const QString& c);
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int v) override;
    void SetClientHeight(int v) override;
    void SetBounds(int left, int top, int width, int height) override;
    QRect ClientRect() const override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle s);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons i);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition p);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool k) { keyPreview_ = k; }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* m);
    // The menu's entries changed: the menu bar may change its height, the
    // client area keeps its size.
    void MenuChanged();

    // Hosting: a form with a parent is a control of that parent, not a window.
    void SetParent(QWidget* parent) override;
    bool IsWindow() const;

    int ModalResult() const { return modalResult_; }
    // While the form is modal, a non-zero result closes it after the current event.
    void SetModalResult(int r);
    bool Modal() const { return loop_ != nullptr; }
    int ShowModal();
    void SetVisible(bool v) override;
    void Show() { SetVisible(true); }
    // Asks OnCloseQuery and OnClose; a modal form ends its loop with mrCancel.
    void Close();
    bool CloseQuery();
    // Deletes the form once the current event (and any modal loop of it) is over.
    void Release();
    bool Active() const;

    TControl* ActiveControl() const;
    void SetActiveControl(TControl* c);
    // Moves the focus to the control after (or before) `current` in tab order.
    void SelectNext(TControl* current, bool forward = true, bool checkTabStop = true);

    // Messages sent or posted to the form. Override WndProc to handle them and
    // call TForm::WndProc for the rest (which runs OnMessage, and moves the
    // focus for WM_NEXTDLGCTL).
    virtual void WndProc(TMessage& msg);
    std::intptr_t Perform(unsigned msg, std::intptr_t wparam = 0, std::intptr_t lparam = 0);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnResize;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TEvent<TObject*, TMessage&> OnMessage;

    // Buttons pressed by Return and Escape (set by TButton::SetDefault/SetCancel).
    TButton* DefaultButton() const { return defaultButton_; }
    TButton* CancelButton() const { return cancelButton_; }
    void SetDefaultButton(TButton* b) { defaultButton_ = b; }
    void SetCancelButton(TButton* b) { cancelButton_ = b; }

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void ApplyWindowFlags();
    void ApplyPosition();
    void LayoutClient();
    void CheckModalClose();
    // Runs OnCloseQuery and OnClose; returns the close action.
    TCloseAction DoClose();

    QWidget* owner_;
    QWidget* client_;
    QMenuBar* menuBar_ = nullptr;
    int menuHeight_ = 0;
    TMainMenu* menu_ = nullptr;
    QEventLoop* loop_ = nullptr;
    TButton* defaultButton_ = nullptr;
    TButton* cancelButton_ = nullptr;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = poDesigned;
    int modalResult_ = mrNone;
    bool keyPreview_ = false;
    bool created_ = false;
    bool destroyed_ = false;
    bool positioned_ = false;
    bool closeCheckQueued_ = false;
    bool releaseAfterModal_ = false;
    bool wasActive_ = false;
};
