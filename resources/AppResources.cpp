// The program's resources: the three dialog templates, the main menu, the
// string table, the icon, the logo and the version data.

#include "platform/Constants.h"
#include "platform/Resources.h"
#include "resources/resource.h"

#include "resources/images/quiz_icon_16.xpm"
#include "resources/images/quiz_icon_32.xpm"
#include "resources/images/quiz_picture.xpm"

using platform::ControlTemplate;
using platform::DialogTemplate;
using platform::TemplateFormat;
using platform::WindowClass;

namespace {

constexpr int NoId = -1;
constexpr DWORD Visible = WS_CHILD | WS_VISIBLE;

template <std::size_t N>
platform::ImageData Image(int width, int height, const char* const (&xpm)[N])
{
    return {width, height, 16, std::vector<const char*>(xpm, xpm + N)};
}

// The main window. The question line and the options show database texts,
// so they show every '&' as it is stored (SS_NOPREFIX, BS_NOPREFIX).
DialogTemplate QuizTemplate()
{
    constexpr DWORD option = WS_CHILD | BS_AUTORADIOBUTTON | BS_NOPREFIX;
    constexpr DWORD direction = Visible | BS_AUTORADIOBUTTON | BS_PUSHLIKE;
    return {
        IDD_QUIZ,
        TemplateFormat::Extended,
        WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_CENTER | DS_SETFOREGROUND |
            DS_3DLOOK | DS_SETFONT,
        WS_EX_APPWINDOW,
        0, 0, 383, 186,
        "Wordloom 1.0",
        IDR_QUIZ_MENU,
        {8, "MS Sans Serif", 0, false, 1},
        {
            {WindowClass::Button, IDCANCEL, "&Quit ", 296, 169, 80, 14, Visible | BS_PUSHBUTTON | WS_TABSTOP},
            {WindowClass::Button, NoId, "Problem Sets", 296, 9, 80, 45, Visible | BS_GROUPBOX, WS_EX_TRANSPARENT},
            {WindowClass::Button, IDC_WORD_TO_MEANING, "&Word to Meaning", 302, 19, 70, 15, direction},
            {WindowClass::Button, IDC_MEANING_TO_WORD, "Meaning to Word", 302, 35, 70, 15, direction},
            {WindowClass::Button, NoId, "Question", 6, 9, 285, 120, Visible | BS_GROUPBOX, WS_EX_TRANSPARENT},
            {WindowClass::Static, IDC_QUESTION, "Static", 16, 19, 270, 10, Visible | SS_LEFT | SS_NOPREFIX | WS_GROUP,
             WS_EX_TRANSPARENT},
            {WindowClass::Button, IDC_OPTION1, "", 22, 35, 265, 10, option, WS_EX_TRANSPARENT},
            {WindowClass::Button, IDC_OPTION2, "", 22, 49, 260, 10, option, WS_EX_TRANSPARENT},
            {WindowClass::Button, IDC_OPTION3, "", 22, 65, 260, 10, option, WS_EX_TRANSPARENT},
            {WindowClass::Button, IDC_OPTION4, "", 22, 80, 265, 10, option, WS_EX_TRANSPARENT},
            {WindowClass::Button, IDC_OPTION5, "", 22, 94, 265, 10, option, WS_EX_TRANSPARENT},
            {WindowClass::Button, NoId, "Answer", 6, 134, 285, 50, Visible | BS_GROUPBOX, WS_EX_TRANSPARENT},
            {WindowClass::Edit, IDC_ANSWER, "", 12, 155, 275, 25,
             Visible | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
             WS_EX_DLGMODALFRAME | WS_EX_TRANSPARENT},
            {WindowClass::Static, IDC_RESULT, "No, you are wrong! The Correct answer is:", 36, 145, 250, 10,
             Visible | SS_LEFT | WS_GROUP, WS_EX_TRANSPARENT},
            {WindowClass::Button, IDC_GO, "&GO!!", 106, 110, 65, 15, Visible | BS_PUSHBUTTON | WS_TABSTOP},
            {WindowClass::Button, IDC_NEXT, "&Next >>", 182, 110, 65, 15, Visible | BS_PUSHBUTTON | WS_TABSTOP},
            {WindowClass::Button, NoId, "Preloaded Databases", 296, 59, 80, 45, Visible | BS_GROUPBOX,
             WS_EX_TRANSPARENT},
            {WindowClass::Button, IDC_SAT100, "SAT100", 302, 70, 70, 15, Visible | BS_PUSHBUTTON | WS_TABSTOP},
            {WindowClass::Button, IDC_GRE1265, "GRE1265", 302, 84, 70, 15, Visible | BS_PUSHBUTTON | WS_TABSTOP},
            {WindowClass::Static, NoId, "", 302, 107, 67, 58, Visible | SS_BITMAP, 0, IDB_QUIZ_PICTURE},
        },
    };
}

// The information window: a read-only text and an OK button.
DialogTemplate InfoTemplate()
{
    return {
        IDD_INFO,
        TemplateFormat::Extended,
        WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | DS_SETFONT,
        WS_EX_CLIENTEDGE,
        0, 0, 298, 201,
        "Dialog",
        0,
        {8, "MS Sans Serif", 0, false, 1},
        {
            {WindowClass::Button, IDOK, "OK", 123, 185, 50, 14, Visible | WS_TABSTOP | BS_DEFPUSHBUTTON},
            {WindowClass::Edit, IDC_INFO_TEXT, "", 1, 0, 295, 180,
             Visible | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                 ES_AUTOHSCROLL | ES_READONLY,
             WS_EX_CLIENTEDGE},
        },
    };
}

DialogTemplate AboutTemplate()
{
    return {
        IDD_ABOUT_BOX,
        TemplateFormat::Standard,
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT,
        0,
        0, 0, 217, 90,
        "About Wordloom",
        0,
        {8, "MS Sans Serif", 0, false, 1},
        {
            {WindowClass::Static, NoId, "", 5, 5, 20, 20, Visible | SS_ICON, 0, IDI_QUIZ},
            {WindowClass::Static, NoId, "Wordloom 1.0", 40, 10, 119, 8, Visible | WS_GROUP | SS_LEFT | SS_NOPREFIX},
            {WindowClass::Static, NoId, "Copyright (C) 2026 the Wordloom project", 35, 30, 145, 8,
             Visible | WS_GROUP | SS_LEFT},
            {WindowClass::Button, IDOK, "OK", 178, 7, 32, 14, Visible | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
            {WindowClass::Static, NoId, "", 9, 50, 200, 10, Visible | WS_GROUP | SS_LEFT},
            {WindowClass::Static, NoId, "Word lists, fixes and questions are welcome by e-mail:", 10, 60, 205, 10,
             Visible | WS_GROUP | SS_LEFT},
            {WindowClass::Static, NoId, "wordloom@example.org", 10, 72, 195, 10, Visible | WS_GROUP | SS_LEFT},
        },
    };
}

platform::MenuTemplate QuizMenu()
{
    return {
        IDR_QUIZ_MENU,
        {
            {"&File",
             0,
             MF_POPUP,
             {
                 {"&Open Database", ID_FILE_OPEN_DATABASE, 0, {}},
                 {"&Close Database", ID_FILE_CLOSE_DATABASE, MF_GRAYED, {}},
                 {"&Exit", ID_FILE_EXIT, 0, {}},
             }},
            {"&Problem Set",
             0,
             MF_POPUP,
             {
                 {"&Word to Meaning", ID_SET_WORD_TO_MEANING, 0, {}},
                 {"&Meaning to Word", ID_SET_MEANING_TO_WORD, 0, {}},
             }},
            {"&Help",
             0,
             MF_POPUP,
             {
                 {"&How to use this?", ID_HELP_HOW_TO_USE, 0, {}},
                 {"&About Wordloom", ID_HELP_ABOUT, 0, {}},
             }},
        },
    };
}

platform::VersionResource Version()
{
    return {
        {1, 0, 0, 1},
        {1, 0, 0, 1},
        0x3F,
        0,
        "VOS__WINDOWS32",
        "VFT_APP",
        0x0409,
        0x04B0,
        "040904b0",
        {
            {"CompanyName", "The Wordloom project"},
            {"FileDescription", "WLOOM MFC Application"},
            {"FileVersion", "1, 0, 0, 1"},
            {"InternalName", "WLOOM"},
            {"LegalCopyright", "Copyright (C) 2026 the Wordloom project"},
            {"OriginalFilename", "WLOOM.EXE"},
            {"ProductName", "WLOOM Application"},
            {"ProductVersion", "1, 0, 0, 1"},
        },
    };
}

}  // namespace

const platform::ResourceSet& AppResources()
{
    static const platform::ResourceSet resources{
        {AboutTemplate(), QuizTemplate(), InfoTemplate()},
        {QuizMenu()},
        {{IDS_ABOUT_ITEM, "&About WLOOM..."}},
        {{IDI_QUIZ, {Image(32, 32, quiz_icon_32_xpm), Image(16, 16, quiz_icon_16_xpm)}}},
        {{IDB_QUIZ_PICTURE, Image(101, 95, quiz_picture_xpm)}},
        Version(),
    };
    return resources;
}
