// TComboBox: drop-down (editable) or drop-down-list combo box.
//
// OnChange fires when the user picks an item or edits the text, never when
// code sets ItemIndex or Text.
#pragma once

#include "TControl.h"
#include "TStrings.h"

#include <QComboBox>
#include <memory>

class TComboBox : public QComboBox, public TControl
{
    Q_OBJECT
public:
    explicit TComboBox(QWidget* parent = nullptr);
    ~TComboBox() override;

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle s);
    TStrings* Items() { return items_.get(); }
    const TStrings* Items() const { return items_.get(); }
    // -1: no item selected (also after the user typed a text that is no item).
    int ItemIndex() const;
    void SetItemIndex(int i);
    QString Text() const;
    // Drop-down list: selects the item with that text (none if there is none).
    void SetText(const QString& t);
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int n) { setMaxVisibleItems(n); }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    bool DroppedDown() const;
    void Clear();

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect; // the user picked an item (before OnChange)
    TNotifyEvent OnClick;  // the user picked an item
    TNotifyEvent OnDropDown;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void showPopup() override;

private:
    void InstallEditor();
    std::unique_ptr<TStrings> items_;
    TComboBoxStyle style_ = csDropDown;
    int maxLength_ = 0;
};
