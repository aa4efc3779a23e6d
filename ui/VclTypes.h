// Enumerations, colours, key codes, modal results and message-box flags of the
// toolkit layer, with the numbers the windows use.
#pragma once

#include "TEvent.h"

#include <QChar>
#include <QColor>
#include <cstdint>

class TListItem;

// ---- colours: 0x00BBGGRR like the windows' colour constants ---------------
using TColor = std::int32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
// System colours (resolved to fixed values; the windows only compare them).
constexpr TColor clBtnFace = 0xD8E9EC;
constexpr TColor clWindow = 0xFFFFFF;
constexpr TColor clWindowText = 0x000000;
constexpr TColor clInfoBk = 0xE1FFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
// 0xRRGGBB (as colour tables write it) to a TColor, and back.
constexpr TColor ColorFromRgb(std::uint32_t rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
inline QColor ToQColor(TColor c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
inline TColor FromQColor(const QColor& q)
{
    return RGB(q.red(), q.green(), q.blue());
}

// ---- alignment, borders, styles ------------------------------------------
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };
enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum TBrushStyle { bsSolid, bsClear };
enum TItemChange { ctText, ctImage, ctState };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

// ---- keys -------------------------------------------------------------------
// Shift state of key and mouse events: test with (Shift & ssShift).
enum TShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TShiftState = unsigned;
using WORD = std::uint16_t;

// Virtual key codes of key-down events; letters and digits are their
// upper-case character codes ('A', '0').
constexpr WORD VK_BACK = 0x08;
constexpr WORD VK_TAB = 0x09;
constexpr WORD VK_RETURN = 0x0D;
constexpr WORD VK_SHIFT = 0x10;
constexpr WORD VK_CONTROL = 0x11;
constexpr WORD VK_MENU = 0x12;
constexpr WORD VK_ESCAPE = 0x1B;
constexpr WORD VK_SPACE = 0x20;
constexpr WORD VK_PRIOR = 0x21;
constexpr WORD VK_NEXT = 0x22;
constexpr WORD VK_END = 0x23;
constexpr WORD VK_HOME = 0x24;
constexpr WORD VK_LEFT = 0x25;
constexpr WORD VK_UP = 0x26;
constexpr WORD VK_RIGHT = 0x27;
constexpr WORD VK_DOWN = 0x28;
constexpr WORD VK_INSERT = 0x2D;
constexpr WORD VK_DELETE = 0x2E;
constexpr WORD VK_F1 = 0x70;
constexpr WORD VK_F2 = 0x71;
constexpr WORD VK_F3 = 0x72;
constexpr WORD VK_F4 = 0x73;
constexpr WORD VK_F5 = 0x74;
constexpr WORD VK_F6 = 0x75;
constexpr WORD VK_F7 = 0x76;
constexpr WORD VK_F8 = 0x77;
constexpr WORD VK_F9 = 0x78;
constexpr WORD VK_F10 = 0x79;
constexpr WORD VK_F11 = 0x7A;
constexpr WORD VK_F12 = 0x7B;

// ---- modal results, message-box flags and answers --------------------------
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrAbort = 3;
constexpr int mrRetry = 4;
constexpr int mrIgnore = 5;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_OKCANCEL = 0x01;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x02;
constexpr unsigned MB_YESNOCANCEL = 0x03;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_RETRYCANCEL = 0x05;
constexpr unsigned MB_TYPEMASK = 0x0F;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_ICONMASK = 0xF0;

// Dialog kinds and button sets of MessageDlg.
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned {
    mbYes = 1,
    mbNo = 2,
    mbOK = 4,
    mbCancel = 8,
    mbAbort = 16,
    mbRetry = 32,
    mbIgnore = 64
};
using TMsgDlgButtons = unsigned;

// ---- window messages ------------------------------------------------------
constexpr unsigned WM_NEXTDLGCTL = 0x0028;
constexpr unsigned WM_USER = 0x0400;
constexpr unsigned WM_APP = 0x8000; // 32768, the application message base

// ---- event signatures -------------------------------------------------------
using TNotifyEvent = TEvent<TObject*>;
using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, QChar&>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
using TLVSelectItemEvent = TEvent<TObject*, TListItem*, bool>;
using TLVChangeEvent = TEvent<TObject*, TListItem*, TItemChange>;
using TTabChangingEvent = TEvent<TObject*, bool&>;
