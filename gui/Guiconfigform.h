// TConfigForm: the window of every generated configuration window. A menu
// handler creates it, makes a QnSNMPRequest2Edits for it, fills the request's
// variable list, runs exactly one set-up (scalars, a table, or pages of
// scalars), adjusts the returned panel, sets the caption and shows the window
// modally. The window reads its values by itself once it is shown (it posts
// itself the refresh message when it is created), owns the requests handed
// to it and releases them when it closes, after each one has finished what
// it was doing.
#pragma once

#include "gui/TSNMPPanel.h"
#include "ui/TForm.h"
#include "ui/TPageControl.h"

#include <QPointer>
#include <cstdint>
#include <string>
#include <vector>

class QnSNMPRequest2Edits;

// The message a configuration window posts itself to read its values.
constexpr unsigned WM_CONFIG_REFRESH = WM_APP + 1234; // 34002

// Form types.
enum : uint8_t { CFT_NONE = 0, CFT_SCALARS = 1, CFT_TABLE = 2, CFT_PAGES = 3 };

class TConfigForm : public TForm
{
public:
    // Centred on the main window, 159 by 105 until a set-up sizes it; posts
    // itself the refresh message.
    explicit TConfigForm(QWidget* owner = nullptr);
    // Releases requests that are still held (a window destroyed without
    // having been closed).
    ~TConfigForm() override;

    uint8_t FormType() const { return formType_; }
    int RequestCount() const { return int(requests_.size()); }
    QnSNMPRequest2Edits* Requests(int i) const { return requests_[size_t(i)]; }
    QnSNMPRequest2Edits* CurrentRequest() const { return current_; }
    TPageControl* PageControl() const { return pageControl_; }

    // The scalar set-up: one row per variable. The window takes the request.
    TSNMPEditorPanel* SetupScalars(QnSNMPRequest2Edits* request);
    // The table set-up. addRow and deleteRow name the variable that creates
    // and deletes rows (0-based), addValue and deleteValue the option names
    // that do it; (-1, "", -1, "") gives a table without "Add" and "Delete".
    TSNMPListViewPanel* SetupTable(QnSNMPRequest2Edits* request, int addRow = -1,
                                   const std::string& addValue = std::string(), int deleteRow = -1,
                                   const std::string& deleteValue = std::string());
    // A page control; each page added holds a scalar panel.
    void SetupPages();
    TSNMPEditorPanel* AddPage(const QString& caption, QnSNMPRequest2Edits* request);

    // Reads the request of the window (or of the active page); the request
    // read before is disabled first.
    void RefreshCurrent();

    void WndProc(TMessage& msg) override;

private:
    void CheckNoSetup();
    void RaiseClientTo(int width, int height);
    void FormClose(TObject* sender, TCloseAction& action);
    void PageChange(TObject* sender);
    // Stops every request, waits while it is busy, destroys it.
    void ReleaseRequests();

    uint8_t formType_ = CFT_NONE;
    std::vector<QnSNMPRequest2Edits*> requests_;
    TPageControl* pageControl_ = nullptr;
    QnSNMPRequest2Edits* current_ = nullptr;
    std::vector<QPointer<TSNMPPanel>> panels_;
};
