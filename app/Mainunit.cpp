#include "app/Mainunit.h"

#include "app/About.h"
#include "app/MenuTree.h"
#include "app/ToolLauncher.h"
#include "features/Catalogue.h"
#include "features/GeneratedWindow.h"
#include "gui/QnSNMPRequest2Edits.h"
#include "mib/QnOptionList.h"
#include "mib/QnSNMPVarList.h"
#include "platform/QnHelp.h"
#include "snmp/QnSNMPRequest.h"
#include "ui/TApplication.h"
#include "ui/TLabel.h"
#include "ui/TListView.h"
#include "ui/TMenu.h"
#include "ui/TPanel.h"
#include "ui/TStatusBar.h"

#include <exception>
#include <memory>
#include <vector>

namespace {

const QnIntOption kStateSource[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const QnOptionList kStateOptions(kStateSource);

const QnSNMPVarDesc kRmonStateDesc[] = {
    {RMON_STATE_OID, "RMON State", SYN_INTEGER, ACC_READWRITE, &kStateOptions, nullptr, nullptr, nullptr,
     nullptr, nullptr},
    {},
};
const QnSNMPVarDesc kStpStateDesc[] = {
    {STP_STATE_OID, "STP State Control", SYN_INTEGER, ACC_READWRITE, &kStateOptions, nullptr, nullptr,
     nullptr, nullptr, nullptr},
    {},
};

TMainForm::FrontPanelHost& PanelHost()
{
    static TMainForm::FrontPanelHost host;
    return host;
}

const char* const kRmonEntries[] = {"Statistics1", "History1", "AlarmEvent1"};

} // namespace

std::string HelpFilePath(const std::string& exePath)
{
    const auto slash = exePath.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? std::string() : exePath.substr(0, slash + 1);
    return folder + HELP_FILE_NAME;
}

void TMainForm::SetFrontPanelHost(FrontPanelHost host)
{
    PanelHost() = std::move(host);
}

TMainForm::TMainForm(const StartupResult& startup, QWidget* owner) : TForm(owner), texts_(startup.Texts)
{
    SetName("MainForm");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu);
    SetPosition(poScreenCenter);
    SetClientWidth(782);
    SetClientHeight(151);

    StatusBar = new TStatusBar(this);
    StatusBar->SetName("StatusBar");
    StatusBar->SetAlign(alBottom);
    StatusBar->SetHeight(20);
    StatusBar->Panels()->Add()->SetWidth(50);

    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetAlign(alClient);

    ST_RmonState = new TStaticText(this);
    ST_RmonState->SetName("ST_RmonState");
    ST_RmonState->SetVisible(false);
    ST_Version = new TStaticText(this);
    ST_Version->SetName("ST_Version");
    ST_Version->SetVisible(false);

    MainMenu1 = new TMainMenu(this);
    MainMenu1->setObjectName("MainMenu1");
    BuildMenu();
    SetMenu(MainMenu1);
    if (TMenuItem* v3 = MenuItemByName("VACM1"))
        v3->SetEnabled(startup.SnmpV3MenuEnabled);

    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnActivate = [this](TObject* s) { FormActivate(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    DoCreate();
}

TMainForm::~TMainForm()
{
    DoDestroy();
    delete rmonReader_;
    delete stpReader_;
}

void TMainForm::FormCreate(TObject*)
{
    SetCaption(QString::fromStdString(texts_.IPAddress));
    auto makeReader = [this](const QnSNMPVarDesc* desc, TStaticText* holder) {
        auto* reader = new QnSNMPRequest2Edits(this);
        reader->Variables.Assign(QnSNMPVarList(desc, SVT_SV, 0));
        reader->Mode = REQ_MODE_SYNC;
        reader->BindControl(0, holder);
        return reader;
    };
    try {
        rmonReader_ = makeReader(kRmonStateDesc, ST_RmonState);
        rmonReader_->Get();
    } catch (const std::exception& e) {
        ShowStatusText(QString::fromStdString(e.what()));
    }
    try {
        stpReader_ = makeReader(kStpStateDesc, ST_Version);
        stpReader_->Get();
    } catch (const std::exception& e) {
        ShowStatusText(QString::fromStdString(e.what()));
    }
}

void TMainForm::FormActivate(TObject*)
{
    if (activated_)
        return;
    activated_ = true;
    if (PanelHost())
        PanelHost()(*this, *ScrollBox1);
    RefreshRmonMenu();
}

void TMainForm::FormClose(TObject*, TCloseAction& action)
{
    if (::MessageBox(this, "Are you sure to exit?", "Exit", MB_YESNO | MB_ICONQUESTION) != IDYES)
        action = caNone;
}

void TMainForm::RefreshRmonMenu()
{
    if (!rmonReader_)
        return;
    try {
        rmonReader_->Get();
    } catch (const std::exception& e) {
        ShowStatusText(QString::fromStdString(e.what()));
    }
    const QString state = ST_RmonState->Caption();
    if (state != QLatin1String("disabled") && state != QLatin1String("enabled"))
        return;
    for (const char* name : kRmonEntries)
        if (TMenuItem* item = MenuItemByName(name))
            item->SetEnabled(state == QLatin1String("enabled"));
}

void TMainForm::ReadStpState()
{
    if (!stpReader_)
        return;
    try {
        stpReader_->Get();
    } catch (const std::exception& e) {
        ShowStatusText(QString::fromStdString(e.what()));
    }
}

void TMainForm::ShowStatusText(const QString& text)
{
    StatusBar->Panels()->Items(0)->SetText(text);
}

QString TMainForm::StatusText() const
{
    return StatusBar->Panels()->Items(0)->Text();
}

void TMainForm::BuildMenu()
{
    std::vector<TMenuItem*> parents{MainMenu1->Items()};
    std::vector<std::string> captions;
    int lineNo = 0;
    const auto nodes = MenuNodes();
    for (size_t i = 0; i < nodes.size(); ++i) {
        const MenuNode& n = nodes[i];
        parents.resize(size_t(n.Level) + 1);
        captions.resize(size_t(n.Level));
        auto* item = new TMenuItem();
        item->SetCaption(QString::fromUtf8(n.Caption));
        item->SetVisible(!n.Hidden);
        parents.back()->Add(item);
        parents.push_back(item);
        if (item->IsLine()) {
            item->SetName(QStringLiteral("N%1").arg(++lineNo));
            continue;
        }
        std::string path;
        for (const std::string& c : captions)
            path += c + " > ";
        path += n.Caption;
        captions.push_back(n.Caption);
        byPath_[path] = item;
        for (const NamedMenuItem& named : NamedMenuItems())
            if (path == named.MenuPath)
                item->SetName(named.Name);
        const bool leaf = i + 1 == nodes.size() || nodes[i + 1].Level <= n.Level;
        if (leaf && MenuActionOf(path) != MenuActionKind::Nothing)
            item->OnClick = [this, path](TObject*) { Dispatch(path); };
    }
}

TMenuItem* TMainForm::MenuItemByPath(const std::string& path) const
{
    const auto it = byPath_.find(path);
    return it == byPath_.end() ? nullptr : it->second;
}

TMenuItem* TMainForm::MenuItemByName(const QString& name) const
{
    for (const auto& [path, item] : byPath_)
        if (item->Name() == name)
            return item;
    return nullptr;
}

void TMainForm::Dispatch(const std::string& path)
{
    switch (MenuActionOf(path)) {
    case MenuActionKind::GeneratedWindow:
        for (const CatalogueEntry& e : CatalogueEntries())
            if (path == e.MenuPath) {
                OpenCatalogueEntry(e);
                break;
            }
        break;
    case MenuActionKind::HandLaidWindow: {
        const HandLaidWindow* w = FindHandLaidWindow(path);
        ShowStatusText(QStringLiteral("%1: not available yet").arg(QString::fromUtf8(w->ClassName)));
        break;
    }
    case MenuActionKind::Tool:
        for (const ToolMenuPath& t : ToolMenuPaths())
            if (path == t.MenuPath)
                for (const ToolMenuEntry& tool : ToolMenuEntries)
                    if (std::string_view(tool.Handler) == t.Handler)
                        LaunchTool(texts_, tool.ToolArgument, std::string());
        break;
    case MenuActionKind::Save:
        SaveChanges1Click(this);
        break;
    case MenuActionKind::Reboot:
        RefreshPanel2Click(this);
        break;
    case MenuActionKind::Help:
        Help2Click(this);
        break;
    case MenuActionKind::About:
        About1Click(this);
        break;
    case MenuActionKind::Nothing:
        break;
    }
}

void TMainForm::OpenCatalogueEntry(const CatalogueEntry& entry)
{
    currentWindowTitle_ = ::CurrentWindowTitle(entry, texts_.IPAddress);
    try {
        OpenGeneratedWindow(entry, texts_.IPAddress);
    } catch (const std::exception& e) {
        ShowStatusText(QString::fromStdString(e.what()));
    }
    if (entry.RefreshesRmonMenu)
        RefreshRmonMenu();
}

void TMainForm::ConfirmAndSet(const char* oid, const char* value, const char* text, const char* caption,
                              unsigned timeout)
{
    auto request = std::make_unique<QnSNMPRequest>();
    request->Variables.AddVariable(oid, "", SYN_INTEGER, ACC_READWRITE);
    request->Variables.Get(0).Value = value;
    if (::MessageBox(this, text, caption, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    request->Timeout = timeout;
    StoreRequest(*request);
}

void TMainForm::StoreRequest(QnSNMPRequest& request)
{
    try {
        request.Store(false);
    } catch (...) {
        // a failed save or reboot is not reported
    }
}

void TMainForm::SaveChanges1Click(TObject*)
{
    ConfirmAndSet(SAVE_OID, "4", "Save Configurations into NV-RAM ?", "Save Configure", 900);
}

void TMainForm::RefreshPanel2Click(TObject*)
{
    ConfirmAndSet(REBOOT_OID, "3", "Are you sure to reboot the device?", "Reboot", 500);
}

void TMainForm::Help2Click(TObject*)
{
    OpenHelpFile(HelpFilePath(Application->ExeName().toStdString()));
}

void TMainForm::About1Click(TObject*)
{
    std::unique_ptr<TAboutForm> about(new TAboutForm(this));
    about->ShowModal();
}
