// TListView: a report-style list view (columns; items with a caption and
// sub-items).
//
// Events: OnSelectItem(Sender, Item, Selected) for every item that gains or
// loses the selection, by the user or by code; OnClick on a mouse click (a
// click on empty space clears the selection first); OnDblClick; OnChange after
// an item is added or deleted (Item is null after a deletion or Clear) and
// when an item's caption or selection state changes (not for sub-item texts);
// OnMouseMove with viewport coordinates.
#pragma once

#include "TControl.h"
#include "TStrings.h"

#include <QTreeWidget>
#include <QVector>
#include <memory>

class TListView;

class TListColumn
{
public:
    QString Caption() const;
    void SetCaption(const QString& c);
    int Width() const;
    void SetWidth(int w);
    int Index() const { return index_; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);

private:
    friend class TListColumns;
    TListColumn(TListView* lv, int index) : lv_(lv), index_(index) {}
    TListView* lv_;
    int index_;
    TAlignment alignment_ = taLeftJustify;
};

class TListColumns
{
public:
    TListColumn* Add();
    int Count() const { return static_cast<int>(cols_.size()); }
    TListColumn* Items(int i) const { return cols_.at(i).get(); }
    TListColumn* operator[](int i) const { return Items(i); }
    void Clear();

private:
    friend class TListView;
    explicit TListColumns(TListView* lv) : lv_(lv) {}
    TListView* lv_;
    QVector<std::shared_ptr<TListColumn>> cols_;
};

class TListItem : public QTreeWidgetItem
{
public:
    QString Caption() const { return text(0); }
    void SetCaption(const QString& c);
    TStrings* SubItems() { return subItems_.get(); }
    const TStrings* SubItems() const { return subItems_.get(); }
    bool Selected() const { return isSelected(); }
    void SetSelected(bool s);
    bool Focused() const;
    void SetFocused(bool f);
    int Index() const;
    void* Data() const { return data_; }
    void SetData(void* d) { data_ = d; }
    TListView* ListView() const;
    void MakeVisible();
    // Removes the item from its list view and deletes it.
    void Delete();

private:
    friend class TListItems;
    friend class TListItemSubItems;
    TListItem();
    void SubItemsChanged();
    std::unique_ptr<TStrings> subItems_;
    void* data_ = nullptr;
};

class TListItems
{
public:
    TListItem* Add();
    TListItem* Insert(int index);
    int Count() const;
    TListItem* Item(int i) const;
    TListItem* operator[](int i) const { return Item(i); }
    void Delete(int i);
    void Clear();
    int IndexOf(const TListItem* item) const;
    // Between these, the view is not repainted.
    void BeginUpdate();
    void EndUpdate();

private:
    friend class TListView;
    explicit TListItems(TListView* lv) : lv_(lv) {}
    TListView* lv_;
    int updates_ = 0;
};

class TListView : public QTreeWidget, public TControl
{
    Q_OBJECT
public:
    explicit TListView(QWidget* parent = nullptr);
    ~TListView() override;

    TListColumns* Columns() { return columns_.get(); }
    TListItems* Items() { return items_.get(); }
    // The first selected item, or null; SetSelected(null) clears the selection.
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    int ItemIndex() const;
    void SetItemIndex(int i);
    int SelCount() const;
    TListItem* ItemFocused() const;
    void SetItemFocused(TListItem* item);
    // The item at a point of the viewport, or null.
    TListItem* GetItemAt(int x, int y) const;
    TListItem* TopItem() const;
    int VisibleRowCount() const;
    void Clear() { items_->Clear(); }

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle v) { viewStyle_ = v; }
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool r);
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool g);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r) { readOnly_ = r; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool h);
    bool MultiSelect() const;
    void SetMultiSelect(bool m);
    bool ColumnClick() const { return columnClick_; }
    void SetColumnClick(bool c);
    bool ShowColumnHeaders() const { return !isHeaderHidden(); }
    void SetShowColumnHeaders(bool s) { setHeaderHidden(!s); }
    // Width of the frame around the rows (left or right), in pixels.
    int BorderWidth() const;

    TLVSelectItemEvent OnSelectItem;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TLVChangeEvent OnChange;
    TMouseMoveEvent OnMouseMove;
    TEvent<TObject*, TListColumn*> OnColumnClick;

    // Used by the items and columns.
    void ItemChanged(TListItem* item, TItemChange change);
    void SyncColumns();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    friend class TListItems;
    void SelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    std::unique_ptr<TListColumns> columns_;
    std::unique_ptr<TListItems> items_;
    TViewStyle viewStyle_ = vsReport;
    bool rowSelect_ = false;
    bool gridLines_ = false;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    bool columnClick_ = true;
    bool deleting_ = false;
};
