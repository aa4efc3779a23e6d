// TMainForm: the module's one top-level window. It hosts the front panel in
// ScrollBox1, keeps the RMON and spanning-tree states in two hidden static
// texts, carries the main menu and dispatches its entries, and asks before
// the program ends.
#pragma once

#include "app/SessionTexts.h"
#include "app/Startup.h"

#include "ui/TForm.h"

#include <functional>
#include <map>
#include <string>

class QnSNMPRequest;
class QnSNMPRequest2Edits;
class TMainMenu;
class TMenuItem;
class TScrollBox;
class TStaticText;
class TStatusBar;
struct CatalogueEntry;

class TMainForm : public TForm
{
public:
    // Builds the window from what start-up handed over; the two state reads
    // run here (FormCreate).
    explicit TMainForm(const StartupResult& startup, QWidget* owner = nullptr);
    ~TMainForm() override;

    // Where the front panel is placed into the client area on the first
    // activation. Empty: the client area stays empty.
    using FrontPanelHost = std::function<void(TMainForm& form, TScrollBox& scrollBox)>;
    static void SetFrontPanelHost(FrontPanelHost host);

    TStatusBar* StatusBar;
    TScrollBox* ScrollBox1;
    TStaticText* ST_RmonState;
    TStaticText* ST_Version;
    TMainMenu* MainMenu1;

    const SessionTexts& Texts() const { return texts_; }
    const std::string& CurrentWindowTitle() const { return currentWindowTitle_; }
    bool Activated() const { return activated_; }

    // The item with that path of captions (" > " between captions), or null.
    TMenuItem* MenuItemByPath(const std::string& path) const;
    // The item with that name (Statistics1, VACM1, ...), or null.
    TMenuItem* MenuItemByName(const QString& name) const;
    // The text in status-bar panel 0.
    QString StatusText() const;

    // Reads the RMON state again and enables or disables the three RMON
    // entries after it.
    void RefreshRmonMenu();
    // Reads the spanning-tree state again (STP Control reads it first).
    void ReadStpState();

    void FormCreate(TObject* sender);
    void FormActivate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void SaveChanges1Click(TObject* sender);
    void RefreshPanel2Click(TObject* sender);
    void Help2Click(TObject* sender);
    void About1Click(TObject* sender);

protected:
    // Sends the save or reboot write (one synchronous SET, no reply wanted);
    // tests look at the request on its way.
    virtual void StoreRequest(QnSNMPRequest& request);

private:
    void BuildMenu();
    void Dispatch(const std::string& path);
    void OpenCatalogueEntry(const CatalogueEntry& entry);
    void ShowStatusText(const QString& text);
    // Yes/No question, then one synchronous SET of an INTEGER variable.
    void ConfirmAndSet(const char* oid, const char* value, const char* text, const char* caption,
                       unsigned timeout);

    SessionTexts texts_;
    std::string currentWindowTitle_;
    QnSNMPRequest2Edits* rmonReader_ = nullptr;
    QnSNMPRequest2Edits* stpReader_ = nullptr;
    bool activated_ = false;
    std::map<std::string, TMenuItem*> byPath_;
};

// The help file's path: the executable's folder, then the file's name.
std::string HelpFilePath(const std::string& exePath);

// The names of the help file, the save and reboot variables.
inline constexpr const char* HELP_FILE_NAME = "VN-2400 VN-2400P VN-4800 VN-4800P.hlp";
inline constexpr const char* SAVE_OID = "1.3.6.1.4.1.98762.12.1.2.6";
inline constexpr const char* REBOOT_OID = "1.3.6.1.4.1.98762.12.1.2.3";
inline constexpr const char* RMON_STATE_OID = "1.3.6.1.4.1.98762.11.63.6.2.1.2.16";
inline constexpr const char* STP_STATE_OID = "1.3.6.1.4.1.98762.12.15.1.1";
