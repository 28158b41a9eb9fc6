#include "TestResources.h"

using namespace test_ids;
using platform::WindowClass;

const platform::ResourceSet& AppResources()
{
    static const char* const iconRows[] = {"2 2 1 1", "a c #000000", "aa", "aa"};
    static const platform::ResourceSet resources{
        {
            {IDD_SAMPLE,
             platform::TemplateFormat::Extended,
             WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFONT,
             0,
             0, 0, 200, 100,
             "Sample",
             IDR_SAMPLE_MENU,
             {},
             {
                 {WindowClass::Button, IDCANCEL, "&Close", 140, 80, 50, 14, WS_VISIBLE | WS_TABSTOP},
                 {WindowClass::Static, IDC_COLOUR_LABEL, "Co&lour", 5, 5, 40, 8, WS_VISIBLE | WS_GROUP},
                 {WindowClass::Button, IDC_RED, "&Red", 5, 15, 40, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
                 {WindowClass::Button, IDC_GREEN, "&Green", 5, 25, 40, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
                 {WindowClass::Button, IDC_BLUE, "&Blue", 5, 35, 40, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
                 {WindowClass::Button, IDC_SMALL, "&Small", 60, 15, 40, 10,
                  WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON | BS_PUSHLIKE},
                 {WindowClass::Button, IDC_LARGE, "&Large", 60, 25, 40, 10,
                  WS_VISIBLE | BS_AUTORADIOBUTTON | BS_PUSHLIKE},
                 {WindowClass::Static, IDC_NAME_LABEL, "&Name", 5, 50, 30, 8, WS_VISIBLE | WS_GROUP},
                 {WindowClass::Edit, IDC_NAME, "", 40, 50, 60, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER},
                 {WindowClass::Button, IDC_APPLY, "&Apply", 140, 60, 50, 14, WS_VISIBLE | WS_TABSTOP},
                 {WindowClass::Button, IDC_HIDDEN, "&Hidden", 140, 40, 50, 14, WS_TABSTOP},
                 {WindowClass::Button, IDC_LITERAL, "R&D", 60, 40, 40, 10,
                  WS_VISIBLE | BS_AUTORADIOBUTTON | BS_NOPREFIX | WS_GROUP},
             }},
            {IDD_TOOL,
             platform::TemplateFormat::Extended,
             WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT,
             0,
             10, 20, 100, 50,
             "Tool",
             0,
             {},
             {
                 {WindowClass::Button, IDOK, "OK", 10, 30, 40, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
                 {WindowClass::Edit, IDC_NAME, "", 10, 5, 80, 20, WS_VISIBLE | WS_TABSTOP | ES_MULTILINE},
             }},
            {IDD_BOX,
             platform::TemplateFormat::Standard,
             WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT,
             0,
             0, 0, 100, 40,
             "Box",
             0,
             {},
             {
                 {WindowClass::Button, IDOK, "OK", 50, 20, 40, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
             }},
        },
        {
            {IDR_SAMPLE_MENU,
             {
                 {"&File", 0, MF_POPUP, {{"&Quit", ID_FILE_QUIT, 0, {}}, {"&Nobody", ID_NOBODY, 0, {}}}},
                 {"&View",
                  0,
                  MF_POPUP,
                  {{"&One", ID_VIEW_ONE, 0, {}},
                   {"&Two", ID_VIEW_TWO, MF_GRAYED, {}},
                   {"T&hree", ID_VIEW_THREE, 0, {}}}},
             }},
        },
        {{IDS_GREETING, "Hello"}},
        {{IDI_SAMPLE, {{2, 2, 2, {iconRows, iconRows + 4}}}}},
        {},
        {},
    };
    return resources;
}
