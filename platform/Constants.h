#pragma once

// Identifiers, messages, styles and flags of the dialog framework, with the
// values that templates and stored identifiers rely on.

#include "platform/Types.h"

// Dialog results and standard command identifiers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr UINT ID_HELP = 0xE146;

// Messages.
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_ICONERASEBKGND = 0x0027;
constexpr UINT WM_QUERYDRAGICON = 0x0037;
constexpr UINT WM_SETICON = 0x0080;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_CLICK = 0x00F5;
constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;

// Notification codes carried in the high word of a command.
constexpr UINT BN_CLICKED = 0;

// Icon sizes for WM_SETICON.
constexpr WPARAM ICON_SMALL = 0;
constexpr WPARAM ICON_BIG = 1;

// Window styles.
constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_MINIMIZE = 0x20000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_HSCROLL = 0x00100000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_THICKFRAME = 0x00040000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;  // Same bit as WS_GROUP, on top-level windows.
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;  // Same bit as WS_TABSTOP, on top-level windows.

// Extended window styles.
constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001;
constexpr DWORD WS_EX_TRANSPARENT = 0x00000020;
constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
constexpr DWORD WS_EX_APPWINDOW = 0x00040000;

// Dialog styles.
constexpr DWORD DS_ABSALIGN = 0x0001;
constexpr DWORD DS_3DLOOK = 0x0004;
constexpr DWORD DS_SETFONT = 0x0040;
constexpr DWORD DS_MODALFRAME = 0x0080;
constexpr DWORD DS_SETFOREGROUND = 0x0200;
constexpr DWORD DS_CENTER = 0x0800;

// Button styles. The low four bits are the kind of button.
constexpr DWORD BS_TYPEMASK = 0x000F;
constexpr DWORD BS_PUSHBUTTON = 0x0000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
constexpr DWORD BS_CHECKBOX = 0x0002;
constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
constexpr DWORD BS_RADIOBUTTON = 0x0004;
constexpr DWORD BS_GROUPBOX = 0x0007;
constexpr DWORD BS_AUTORADIOBUTTON = 0x0009;
// Our own extension: the button shows its text literally, so an ampersand is
// an ampersand and never a mnemonic. A host for a window system without it
// doubles the ampersands instead.
constexpr DWORD BS_NOPREFIX = 0x0010;
constexpr DWORD BS_PUSHLIKE = 0x1000;

// Static control styles. The low five bits are the kind of static.
constexpr DWORD SS_TYPEMASK = 0x001F;
constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_ICON = 0x0003;
constexpr DWORD SS_BITMAP = 0x000E;
constexpr DWORD SS_NOPREFIX = 0x0080;

// Edit control styles.
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_WANTRETURN = 0x1000;

// Button check states.
constexpr UINT BST_UNCHECKED = 0;
constexpr UINT BST_CHECKED = 1;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_RESTORE = 9;

// Menu flags, for changing items and as the states GetMenuState reports.
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MFT_RADIOCHECK = 0x0200;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MENU_NOT_FOUND = 0xFFFFFFFF;

// System commands. The low four bits of a WM_SYSCOMMAND are the system's own.
constexpr UINT SC_SIZE = 0xF000;
constexpr UINT SC_MOVE = 0xF010;
constexpr UINT SC_MINIMIZE = 0xF020;
constexpr UINT SC_MAXIMIZE = 0xF030;
constexpr UINT SC_CLOSE = 0xF060;
constexpr UINT SC_RESTORE = 0xF120;

// System metrics.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;

// Message box types and answers.
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_TYPEMASK = 0x0000000F;
constexpr UINT MB_ICONHAND = 0x00000010;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONASTERISK = 0x00000040;
constexpr UINT MB_ICONMASK = 0x000000F0;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Open dialog flags.
constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
