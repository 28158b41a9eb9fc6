#include "HostTestResources.h"

using namespace host_ids;
using platform::WindowClass;

const platform::ResourceSet& AppResources()
{
    static const char* const iconRows[] = {"4 4 2 1", ". c None", "k c #000080", "k..k", ".kk.", ".kk.", "k..k"};
    constexpr DWORD visible = WS_CHILD | WS_VISIBLE;
    static const platform::ResourceSet resources{
        {
            {IDD_HOST,
             platform::TemplateFormat::Extended,
             WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFONT,
             0,
             0, 0, 200, 120,
             "Host",
             IDR_HOST_MENU,
             {8, "MS Sans Serif", 0, false, 1},
             {
                 {WindowClass::Button, IDCANCEL, "&Close", 140, 100, 50, 14, visible | WS_TABSTOP},
                 {WindowClass::Button, -1, "Colour", 4, 2, 60, 52, visible | BS_GROUPBOX},
                 {WindowClass::Static, IDC_COLOUR_LABEL, "Co&lour", 8, 10, 40, 8, visible | WS_GROUP},
                 {WindowClass::Button, IDC_RED, "&Red", 8, 20, 50, 10, visible | BS_AUTORADIOBUTTON},
                 {WindowClass::Button, IDC_GREEN, "&Green", 8, 30, 50, 10, visible | BS_AUTORADIOBUTTON},
                 {WindowClass::Button, IDC_MANUAL, "&Manual", 8, 40, 50, 10, visible | BS_RADIOBUTTON},
                 {WindowClass::Button, IDC_SMALL, "&Small", 70, 10, 40, 12,
                  visible | WS_GROUP | BS_AUTORADIOBUTTON | BS_PUSHLIKE},
                 {WindowClass::Button, IDC_LARGE, "&Large", 70, 24, 40, 12, visible | BS_AUTORADIOBUTTON | BS_PUSHLIKE},
                 {WindowClass::Static, IDC_TEXT, "", 70, 40, 120, 8, visible | WS_GROUP | SS_NOPREFIX},
                 {WindowClass::Static, IDC_SEASONING, "Salt && &Pepper", 70, 50, 120, 8, visible},
                 {WindowClass::Button, IDC_LITERAL, "R&D", 70, 60, 40, 14, visible | WS_TABSTOP | BS_NOPREFIX},
                 {WindowClass::Edit, IDC_NOTES, "", 4, 60, 60, 30,
                  visible | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL},
                 {WindowClass::Button, IDC_APPLY, "&Apply", 140, 80, 50, 14, visible | WS_TABSTOP},
                 {WindowClass::Static, IDC_ICON, "", 120, 10, 20, 20, visible | SS_ICON, 0, IDI_HOST},
             }},
            {IDD_TOOL,
             platform::TemplateFormat::Extended,
             WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | DS_SETFONT,
             0,
             10, 20, 100, 50,
             "Tool",
             0,
             {8, "MS Sans Serif", 0, false, 1},
             {
                 {WindowClass::Button, IDOK, "OK", 10, 30, 40, 14, visible | WS_TABSTOP | BS_DEFPUSHBUTTON},
             }},
            {IDD_BOX,
             platform::TemplateFormat::Extended,
             WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
             0,
             0, 0, 100, 40,
             "Box",
             0,
             {8, "MS Sans Serif", 0, false, 1},
             {
                 {WindowClass::Button, IDOK, "OK", 50, 20, 40, 14, visible | WS_TABSTOP | BS_DEFPUSHBUTTON},
             }},
        },
        {
            {IDR_HOST_MENU,
             {
                 {"&File", 0, MF_POPUP, {{"&Open", ID_OPEN, 0, {}}, {"&Disabled", ID_DISABLED, MF_GRAYED, {}}}},
                 {"&View", 0, MF_POPUP, {{"&Word", ID_WORD, 0, {}}, {"&Meaning", ID_MEANING, 0, {}}}},
             }},
        },
        {},
        {{IDI_HOST, {{4, 4, 2, {iconRows, iconRows + 7}}}}},
        {},
        {},
    };
    return resources;
}
