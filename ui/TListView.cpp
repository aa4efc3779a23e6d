#include "TListView.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

// ---- sub-items ------------------------------------------------------------------
class TListItemSubItems : public TStrings
{
public:
    explicit TListItemSubItems(TListItem* item) : item_(item) {}
    int Count() const override { return static_cast<int>(list_.size()); }
    QString Strings(int i) const override { return list_.value(i); }
    void Put(int i, const QString& s) override
    {
        if (i < 0 || i >= list_.size())
            return;
        list_[i] = s;
        item_->setText(i + 1, s);
        item_->SubItemsChanged();
    }
    void Insert(int i, const QString& s) override
    {
        if (i < 0 || i > list_.size())
            i = static_cast<int>(list_.size());
        list_.insert(i, s);
        Show(i);
        item_->SubItemsChanged();
    }
    void Delete(int i) override
    {
        if (i < 0 || i >= list_.size())
            return;
        list_.removeAt(i);
        Show(i);
        item_->setText(static_cast<int>(list_.size()) + 1, QString());
        item_->SubItemsChanged();
    }
    void Clear() override
    {
        const int n = static_cast<int>(list_.size());
        list_.clear();
        for (int i = 0; i < n; ++i)
            item_->setText(i + 1, QString());
        item_->SubItemsChanged();
    }

private:
    void Show(int from)
    {
        for (int i = from; i < list_.size(); ++i)
            item_->setText(i + 1, list_[i]);
    }
    TListItem* item_;
    QStringList list_;
};

// ---- TListColumn ------------------------------------------------------------------
QString TListColumn::Caption() const
{
    return lv_->headerItem()->text(index_);
}

void TListColumn::SetCaption(const QString& c)
{
    lv_->headerItem()->setText(index_, c);
}

int TListColumn::Width() const
{
    return lv_->columnWidth(index_);
}

void TListColumn::SetWidth(int w)
{
    lv_->setColumnWidth(index_, w);
}

void TListColumn::SetAlignment(TAlignment a)
{
    alignment_ = a;
    const Qt::Alignment qa = a == taRightJustify ? Qt::AlignRight
                             : a == taCenter     ? Qt::AlignHCenter
                                                 : Qt::AlignLeft;
    lv_->headerItem()->setTextAlignment(index_, qa | Qt::AlignVCenter);
    for (int i = 0; i < lv_->topLevelItemCount(); ++i)
        lv_->topLevelItem(i)->setTextAlignment(index_, qa | Qt::AlignVCenter);
}

TListColumn* TListColumns::Add()
{
    cols_.append(std::shared_ptr<TListColumn>(new TListColumn(lv_, static_cast<int>(cols_.size()))));
    lv_->SyncColumns();
    lv_->setColumnWidth(static_cast<int>(cols_.size()) - 1, 50);
    return cols_.last().get();
}

void TListColumns::Clear()
{
    cols_.clear();
    lv_->SyncColumns();
}

// ---- TListItem ---------------------------------------------------------------------
TListItem::TListItem() : subItems_(new TListItemSubItems(this)) {}

void TListItem::SetCaption(const QString& c)
{
    setText(0, c);
    if (TListView* lv = ListView())
        lv->ItemChanged(this, ctText);
}

void TListItem::SubItemsChanged()
{
    // Sub-item texts are not reported through OnChange (only the caption
    // and the state of an item are), which keeps filling large tables cheap.
}

void TListItem::SetSelected(bool s)
{
    TListView* lv = ListView();
    if (s && lv && !lv->MultiSelect())
        lv->SetSelected(this);
    else
        setSelected(s);
}

bool TListItem::Focused() const
{
    return treeWidget() && treeWidget()->currentItem() == this;
}

void TListItem::SetFocused(bool f)
{
    if (!treeWidget())
        return;
    if (f)
        treeWidget()->setCurrentItem(this, 0, QItemSelectionModel::NoUpdate);
    else if (Focused())
        treeWidget()->setCurrentItem(nullptr, 0, QItemSelectionModel::NoUpdate);
}

int TListItem::Index() const
{
    return treeWidget() ? treeWidget()->indexOfTopLevelItem(const_cast<TListItem*>(this)) : -1;
}

TListView* TListItem::ListView() const
{
    return dynamic_cast<TListView*>(treeWidget());
}

void TListItem::MakeVisible()
{
    if (treeWidget())
        treeWidget()->scrollToItem(this);
}

void TListItem::Delete()
{
    if (TListView* lv = ListView())
        lv->Items()->Delete(Index());
    else
        delete this;
}

// ---- TListItems ---------------------------------------------------------------------
TListItem* TListItems::Add()
{
    return Insert(Count());
}

TListItem* TListItems::Insert(int index)
{
    auto* item = new TListItem();
    if (index < 0 || index > Count())
        index = Count();
    lv_->insertTopLevelItem(index, item);
    lv_->ItemChanged(item, ctState);
    return item;
}

int TListItems::Count() const
{
    return lv_->topLevelItemCount();
}

TListItem* TListItems::Item(int i) const
{
    return static_cast<TListItem*>(lv_->topLevelItem(i));
}

void TListItems::Delete(int i)
{
    if (i < 0 || i >= Count())
        return;
    lv_->deleting_ = true;
    delete lv_->takeTopLevelItem(i);
    lv_->deleting_ = false;
    lv_->ItemChanged(nullptr, ctState);
}

void TListItems::Clear()
{
    if (Count() == 0)
        return;
    lv_->deleting_ = true;
    lv_->clear();
    lv_->deleting_ = false;
    lv_->ItemChanged(nullptr, ctState);
}

int TListItems::IndexOf(const TListItem* item) const
{
    return lv_->indexOfTopLevelItem(const_cast<TListItem*>(item));
}

void TListItems::BeginUpdate()
{
    if (updates_++ == 0)
        lv_->setUpdatesEnabled(false);
}

void TListItems::EndUpdate()
{
    if (updates_ > 0 && --updates_ == 0)
        lv_->setUpdatesEnabled(true);
}

// ---- TListView -----------------------------------------------------------------------
TListView::TListView(QWidget* parent)
    : QTreeWidget(ClientOf(parent)), TControl(this), columns_(new TListColumns(this)),
      items_(new TListItems(this))
{
    resize(250, 150);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setColumnCount(0);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    viewport()->setMouseTracking(true);
    SetHideSelection(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& s, const QItemSelection& d) { SelectionChanged(s, d); });
    connect(header(), &QHeaderView::sectionClicked, this, [this](int i) {
        if (columnClick_ && i >= 0 && i < columns_->Count())
            OnColumnClick(this, columns_->Items(i));
    });
    InitVisible();
}

TListView::~TListView()
{
    deleting_ = true;
}

void TListView::SyncColumns()
{
    const int n = columns_->Count();
    setColumnCount(n);
}

void TListView::ItemChanged(TListItem* item, TItemChange change)
{
    if (item && item->treeWidget() != this)
        return;
    OnChange(this, item, change);
}

void TListView::SelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (deleting_)
        return;
    for (const QModelIndex& i : deselected.indexes()) {
        if (i.column() != 0)
            continue;
        auto* item = static_cast<TListItem*>(itemFromIndex(i));
        OnSelectItem(this, item, false);
        OnChange(this, item, ctState);
    }
    for (const QModelIndex& i : selected.indexes()) {
        if (i.column() != 0)
            continue;
        auto* item = static_cast<TListItem*>(itemFromIndex(i));
        OnSelectItem(this, item, true);
        OnChange(this, item, ctState);
    }
}

TListItem* TListView::Selected() const
{
    const QModelIndexList rows = selectionModel()->selectedRows(0);
    if (rows.isEmpty())
        return nullptr;
    TListItem* best = nullptr;
    int bestRow = -1;
    for (const QModelIndex& i : rows) {
        if (bestRow < 0 || i.row() < bestRow) {
            bestRow = i.row();
            best = static_cast<TListItem*>(itemFromIndex(i));
        }
    }
    return best;
}

void TListView::SetSelected(TListItem* item)
{
    if (!item || item->treeWidget() != this) {
        clearSelection();
        return;
    }
    selectionModel()->setCurrentIndex(indexFromItem(item, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int TListView::ItemIndex() const
{
    TListItem* s = Selected();
    return s ? indexOfTopLevelItem(s) : -1;
}

void TListView::SetItemIndex(int i)
{
    SetSelected(i >= 0 && i < topLevelItemCount() ? items_->Item(i) : nullptr);
}

int TListView::SelCount() const
{
    return static_cast<int>(selectionModel()->selectedRows(0).size());
}

TListItem* TListView::ItemFocused() const
{
    return static_cast<TListItem*>(currentItem());
}

void TListView::SetItemFocused(TListItem* item)
{
    setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
}

TListItem* TListView::GetItemAt(int x, int y) const
{
    return static_cast<TListItem*>(itemAt(QPoint(x, y)));
}

TListItem* TListView::TopItem() const
{
    return static_cast<TListItem*>(itemAt(QPoint(1, 1)));
}

int TListView::VisibleRowCount() const
{
    const int rh =
        topLevelItemCount() > 0 ? visualItemRect(topLevelItem(0)).height() : fontMetrics().height() + 4;
    return rh > 0 ? viewport()->height() / rh : 0;
}

void TListView::SetRowSelect(bool r)
{
    rowSelect_ = r;
    setAllColumnsShowFocus(r);
}

void TListView::SetGridLines(bool g)
{
    gridLines_ = g;
    viewport()->update();
}

void TListView::SetHideSelection(bool h)
{
    hideSelection_ = h;
    QPalette pal = palette();
    if (h) {
        pal.setBrush(QPalette::Inactive, QPalette::Highlight,
                     QApplication::palette(this).brush(QPalette::Inactive, QPalette::Highlight));
    } else {
        pal.setBrush(QPalette::Inactive, QPalette::Highlight,
                     pal.brush(QPalette::Active, QPalette::Highlight));
        pal.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                     pal.brush(QPalette::Active, QPalette::HighlightedText));
    }
    setPalette(pal);
}

bool TListView::MultiSelect() const
{
    return selectionMode() == QAbstractItemView::ExtendedSelection;
}

void TListView::SetMultiSelect(bool m)
{
    setSelectionMode(m ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TListView::SetColumnClick(bool c)
{
    columnClick_ = c;
    header()->setSectionsClickable(c);
}

int TListView::BorderWidth() const
{
    return frameWidth();
}

void TListView::keyPressEvent(QKeyEvent* e)
{
    DispatchKeyPress(e, [this](QKeyEvent* k) { QTreeWidget::keyPressEvent(k); });
}

void TListView::keyReleaseEvent(QKeyEvent* e)
{
    DispatchKeyRelease(e, [this](QKeyEvent* k) { QTreeWidget::keyReleaseEvent(k); });
}

void TListView::focusInEvent(QFocusEvent* e)
{
    QTreeWidget::focusInEvent(e);
    DispatchFocusIn(e);
}

void TListView::focusOutEvent(QFocusEvent* e)
{
    QTreeWidget::focusOutEvent(e);
    DispatchFocusOut(e);
}

void TListView::mousePressEvent(QMouseEvent* e)
{
    // A click on empty space clears the selection, as the list view of the
    // windows does.
    if (!itemAt(e->position().toPoint()))
        clearSelection();
    QTreeWidget::mousePressEvent(e);
}

void TListView::mouseReleaseEvent(QMouseEvent* e)
{
    QTreeWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton)
        OnClick(this);
}

void TListView::mouseDoubleClickEvent(QMouseEvent* e)
{
    QTreeWidget::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton)
        OnDblClick(this);
}

void TListView::mouseMoveEvent(QMouseEvent* e)
{
    QTreeWidget::mouseMoveEvent(e);
    TShiftState s = 0;
    if (e->modifiers() & Qt::ShiftModifier)
        s |= ssShift;
    if (e->modifiers() & Qt::AltModifier)
        s |= ssAlt;
    if (e->modifiers() & Qt::ControlModifier)
        s |= ssCtrl;
    if (e->buttons() & Qt::LeftButton)
        s |= ssLeft;
    if (e->buttons() & Qt::RightButton)
        s |= ssRight;
    const QPoint p = e->position().toPoint();
    OnMouseMove(this, s, p.x(), p.y());
}

bool TListView::viewportEvent(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* he = static_cast<QHelpEvent*>(e);
        if (!Hint().isEmpty() && itemAt(he->pos()))
            QToolTip::showText(he->globalPos(), Hint(), viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QTreeWidget::viewportEvent(e);
}

void TListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QTreeWidget::drawRow(painter, option, index);
    if (!gridLines_)
        return;
    painter->save();
    painter->setPen(QColor(0xC0, 0xC0, 0xC0));
    const QRect r = option.rect;
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    int x = -header()->offset();
    for (int c = 0; c < columnCount(); ++c) {
        x += columnWidth(c);
        painter->drawLine(x - 1, r.top(), x - 1, r.bottom());
    }
    painter->restore();
}
