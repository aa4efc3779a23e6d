// The main menu as data: every item of MainMenu1 in menu order, with its depth,
// caption (a "-" is a separator) and whether the menu resource keeps it
// hidden, plus what each leaf does (generated window, hand-laid window,
// sibling tool or direct action).
#pragma once

#include <span>
#include <string>
#include <string_view>

struct MenuNode
{
    int Level;           // 0 for a top-level menu, 1 for its entries, ...
    const char* Caption; // "-" for a separator
    bool Hidden;         // kept invisible by the menu resource
};

// Every item in menu order (a depth-first walk of the tree).
std::span<const MenuNode> MenuNodes();

// A window laid out by hand: its menu path, window class, caption title and
// separator (an empty title leaves the form's own caption).
struct HandLaidWindow
{
    const char* MenuPath;
    const char* ClassName;
    const char* Title;
    const char* Separator;
};
std::span<const HandLaidWindow> HandLaidWindows();
const HandLaidWindow* FindHandLaidWindow(std::string_view menuPath);

// The menu path of each sibling-tool handler.
struct ToolMenuPath
{
    const char* MenuPath;
    const char* Handler;
};
std::span<const ToolMenuPath> ToolMenuPaths();

// Names given to the menu items the window refers to by name.
struct NamedMenuItem
{
    const char* MenuPath;
    const char* Name;
};
std::span<const NamedMenuItem> NamedMenuItems();

// What choosing a leaf does.
enum class MenuActionKind {
    Nothing,
    GeneratedWindow,
    HandLaidWindow,
    Tool,
    Save,
    Reboot,
    Help,
    About,
};
MenuActionKind MenuActionOf(std::string_view menuPath);
