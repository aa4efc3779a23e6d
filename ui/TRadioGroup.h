// TRadioGroup: a group box with one radio button per item, in columns.
// OnClick fires when the user picks an item and when code changes ItemIndex.
#pragma once

#include "TControl.h"
#include "TStrings.h"

#include <QGroupBox>
#include <QVector>
#include <memory>

class QRadioButton;

class TRadioGroup : public QGroupBox, public TControl
{
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr);
    ~TRadioGroup() override;

    QString Caption() const { return title(); }
    void SetCaption(const QString& c) { setTitle(c); }
    TStrings* Items() { return items_.get(); }
    const TStrings* Items() const { return items_.get(); }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int i);
    int Columns() const { return columns_; }
    void SetColumns(int c);
    // The radio button of item i (for tests and focus).
    QRadioButton* Button(int i) const;
    QRect ClientRect() const override;

    TNotifyEvent OnClick;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    friend class TRadioGroupItems;
    void Rebuild();
    void ArrangeButtons();
    void ButtonToggled(int i, bool on);
    std::unique_ptr<TStrings> items_;
    QVector<QRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};
