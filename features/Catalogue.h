// The catalogue of generated configuration windows: for each menu entry that
// opens one, the menu path, the window caption, the descriptor table with the
// list kind and index count of its variable list, the panel set-up and the few
// settings the entry adds to the generated window. The entries are static data
// in menu-handler order; one generic handler opens any of them.
#pragma once

#include "mib/QnSNMPVarDesc.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Which set-up of the configuration window lays out the panel.
enum class PanelSetup : uint8_t {
    Scalars, // one labelled edit row per variable
    Table,   // a list view with one column per variable
};

// An edit constraint on the variable at Position (counted from 0, index
// variables included). A null Format ends an entry's list.
struct CatalogueFormat
{
    int Position;
    const char* Format;
};

constexpr int MaxCatalogueFormats = 9;

// Values written into the RowStatus column to create and to delete a row.
constexpr const char* RowCreateValue = "createAndGo";
constexpr const char* RowDeleteValue = "destroy";

struct CatalogueEntry
{
    const char* MenuPath;      // captions under the main menu, joined by " > "
    bool Hidden;               // the item, or a submenu above it, is kept invisible
    const char* Handler;       // name of the menu item's click handler
    const char* Title;         // caption title literal
    const char* Separator;     // between title and device address; empty when the title ends the caption
    uint8_t ListKind;          // first number given to the variable list
    int IndexCount;            // leading variables that form the row index
    const char* BaseOid;       // common parent of most of the variables
    const QnSNMPVarDesc* Vars; // descriptor table, ended by a null Oid
    PanelSetup Setup;
    int RowStatus;          // position of the RowStatus column, or -1: no creation or deletion
    int Height;             // window height after set-up, or 0 to keep the default
    int EditWidth;          // width of the edit fields of a scalar window, or 0
    bool NoEditButton;      // hide "Edit" and open nothing on double-click
    bool RefreshesRmonMenu; // the main window refreshes its RMON menu once the window closes
    CatalogueFormat Formats[MaxCatalogueFormats + 1]; // edit constraints, ended by a null Format
};

// Every entry, in catalogue order.
std::span<const CatalogueEntry> CatalogueEntries();

// The entry opened by the named menu handler, or null.
const CatalogueEntry* FindCatalogueEntry(std::string_view handler);

// The captions of the entry's menu path, from the top-level menu down.
std::vector<std::string> MenuCaptions(const CatalogueEntry& entry);

// The window caption: title, separator, then the device address text.
std::string WindowCaption(const CatalogueEntry& entry, const std::string& address);

// What the main window keeps as its current window title while the window is
// open: the title literal, or the literal with the address when the title
// stands alone.
std::string CurrentWindowTitle(const CatalogueEntry& entry, const std::string& address);

int VariableCount(const CatalogueEntry& entry);
int FormatCount(const CatalogueEntry& entry);
