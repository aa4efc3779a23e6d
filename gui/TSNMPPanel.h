// Working panels of the generated configuration windows, made of the
// generated building blocks and a QnSNMPRequest2Edits:
// - TSNMPPanel: buttons on the right, the content and a message area;
// - TSNMPEditorPanel: a group of scalars as labelled rows; "Set Checked"
//   writes the rows whose boxes are ticked;
// - TSNMPListViewPanel: a table in a list view; rows are edited, created and
//   deleted through small dialogs that reuse the rows of the editor part.
// Every panel logs the result of each read and write in its message area.
#pragma once

#include "gui/TCtrlBtnPanel.h"
#include "gui/TEditsPanel.h"
#include "gui/TListViewPanel.h"
#include "gui/TMsgPanel.h"
#include "ui/TForm.h"
#include "ui/TPanel.h"

#include <QPointer>
#include <functional>
#include <string>

class QnSNMPRequest2Edits;

class TSNMPPanel : public TPanel
{
public:
    // Client height and width FitForm never goes beyond.
    static constexpr int MaxClientHeight = 550;
    static constexpr int MaxClientWidth = 800;

    // A button panel docked right ("Refresh" reads, "Close" closes the
    // window given to FitForm), a splitter, and the inner panel. With a
    // message panel given, its memo becomes the request's status target;
    // otherwise the panel makes its own message area at the bottom of the
    // inner panel. Placed in the owner with size 0 by 0.
    TSNMPPanel(QWidget* owner, TMsgPanel* messagePanel, QnSNMPRequest2Edits* request);

    TCtrlBtnPanel* CtrlBtnPanel;
    TSplitter* RightSplitter;
    TPanel* InnerPanel;
    TMsgPanel* OwnMsgPanel; // the message area this panel made, or null
    TSplitter* BottomSplitter;

    QnSNMPRequest2Edits* Request() const { return request_; }
    // The message area the panel logs into (its own or the one it was given).
    TMsgPanel* MessagePanel() const { return msgPanel_; }
    TControl* Content() const { return content_; }
    TForm* FitWindow() const { return fitWindow_; }

    // Shows the control inside the inner panel (the previous content is
    // hidden and undocked) and works out the panel's size: content width +
    // button column + splitter + 3, content height + own message area +
    // splitter, at least the height the button column needs.
    void SetContent(TControl* control);
    // The size SetContent worked out.
    int PreferredWidth() const { return preferredWidth_; }
    int PreferredHeight() const { return preferredHeight_; }
    // Remembers the window, centres it on the main window, grows its client
    // area to the panel's size (at most 800 by 550) and docks the panel to
    // fill it.
    void FitForm(TForm* window);

    // The request is going away (its window closed): the panel stops using it.
    virtual void DetachRequest();

    void RefreshClick(TObject* sender);
    void CloseClick(TObject* sender);

protected:
    QnSNMPRequest2Edits* request_;

private:
    TMsgPanel* msgPanel_;
    QPointer<TForm> fitWindow_;
    TControl* content_ = nullptr;
    int preferredWidth_ = 0;
    int preferredHeight_ = 0;
};

class TSNMPEditorPanel : public TSNMPPanel
{
public:
    TSNMPEditorPanel(QWidget* owner, QnSNMPRequest2Edits* request);

    TEditsPanel* EditsPanel;

    // Binds the row's edit again with another constraint text (rows of kind
    // 1 and 2). Raises "Can not set Var format to a ComboBox!" for a combo
    // box row and "Unknow UI Control type!" for any other, both after the
    // variable has been unbound.
    void SetFormat(int row, const std::string& constraint);
    // New width of the value controls; lays the rows out and fits the window
    // again.
    void SetEditWidth(int width);

    // "Set Checked" (and "Set"): writes the variables whose rows are ticked
    // with one synchronous SET; refuses with "Some items are empty!" when a
    // ticked row is empty. A button with tag 1 (a dialog's) closes its
    // window after a write that was not refused.
    void WriteChecked(TObject* sender);
    void CheckAllClick(TObject* sender);
    void ClearChecksClick(TObject* sender);

    void DetachRequest() override;
};

class TSNMPListViewPanel : public TSNMPEditorPanel
{
public:
    using Hook = std::function<void()>;

    TSNMPListViewPanel(QWidget* owner, QnSNMPRequest2Edits* request);

    TListViewPanel* ListPanel;
    // Called before and after the add and edit dialogs; only the hook before
    // the add dialog is set (it empties the rows).
    Hook BeforeAdd, AfterAdd, BeforeEdit, AfterEdit;

    // The row-status row and the option names that create and delete a
    // table row. Raise "TSNMPListViewPanel::SetAddStatus - Wrong
    // AddStatusValue:" (or the delete counterpart) followed by the text when
    // the row's combo box does not offer it.
    void SetAddStatus(int row, const std::string& value);
    void SetDeleteStatus(int row, const std::string& value);

    void ListRefreshClick(TObject* sender);
    void AddClick(TObject* sender);
    void EditClick(TObject* sender);
    void DeleteClick(TObject* sender);

    // The hint shown over a row: one line per column, the caption padded
    // with one tab per character it is shorter than the longest caption, two
    // spaces, the row's text in that column.
    QString RowHint(TListItem* item) const;

    void DetachRequest() override;

    // A dialog being shown (tests).
    TForm* Dialog() const { return dialog_; }

private:
    void ListClick(TObject* sender);
    void ListDblClick(TObject* sender);
    void ListChange(TObject* sender, TListItem* item, TItemChange change);
    void ListMouseMove(TObject* sender, TShiftState shift, int x, int y);
    void RunAddDialog();
    void RunEditDialog();
    // A dialog holding the rows, logging into this panel's message area.
    TSNMPPanel* MakeDialog(TForm* dialog);
    // After a dialog: the rows come back, the dialog goes, the table is read again.
    void EndDialog();
    TForm* ConfigWindow() const;
    QString HolderCaption() const;

    QPointer<TForm> dialog_;
};
