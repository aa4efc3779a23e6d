// A list view showing a table, one row per table row, bound to a request.
// Remembers which variable creates and deletes rows (its row-status column)
// and the option names that do it.
#pragma once

#include "ui/TListView.h"
#include "ui/TPanel.h"

#include <string>

class QnSNMPRequest2Edits;
class TCtrlBtnPanel;

class TListViewPanel : public TPanel
{
public:
    static constexpr int MaxWidth = 450;
    static constexpr int DefaultHeight = 350;
    static constexpr int PixelsPerCaptionChar = 8;

    // Binds a new list view to the request (columns laid out, no enabling on
    // select); 2 x border + 8 per character of every column caption wide (at
    // most 450), 350 high.
    TListViewPanel(QWidget* owner, QnSNMPRequest2Edits* request);

    TListView* ListView;
    int AddRow = -1;
    int DeleteRow = -1;
    std::string AddValue;
    std::string DeleteValue;

    QnSNMPRequest2Edits* Request() const { return request_; }
    void DetachRequest() { request_ = nullptr; }

    // Count display, "Samples", "Refresh", "Edit" (disabled), "Close";
    // "Delete" disabled; "Add" and "Delete" shown when their row is set.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

private:
    QnSNMPRequest2Edits* request_;
};
