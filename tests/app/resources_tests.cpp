// The program's resources as the program needs them: every control of the
// three dialog templates, the menu, the strings, the images and the version.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Constants.h"
#include "platform/Resources.h"
#include "resources/resource.h"

namespace {

using platform::WindowClass;

struct ExpectedControl {
    WindowClass windowClass;
    int id;
    std::string text;
    int x, y, cx, cy;
    DWORD style;  // Besides WS_CHILD, which every control has.
    DWORD exStyle;
    UINT imageId;
};

constexpr DWORD V = WS_VISIBLE;
constexpr DWORD T = WS_EX_TRANSPARENT;

void ExpectControls(UINT dialogId, const std::vector<ExpectedControl>& expected)
{
    const platform::DialogTemplate* t = platform::FindDialogTemplate(dialogId);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const platform::ControlTemplate& c = t->controls[i];
        const ExpectedControl& e = expected[i];
        SCOPED_TRACE("control " + std::to_string(i + 1) + " \"" + e.text + "\"");
        EXPECT_EQ(c.windowClass, e.windowClass);
        EXPECT_EQ(c.id, e.id);
        EXPECT_EQ(std::string(c.text), e.text);
        EXPECT_EQ(c.x, e.x);
        EXPECT_EQ(c.y, e.y);
        EXPECT_EQ(c.cx, e.cx);
        EXPECT_EQ(c.cy, e.cy);
        EXPECT_EQ(c.style, e.style | WS_CHILD);
        EXPECT_EQ(c.exStyle, e.exStyle);
        EXPECT_EQ(c.imageId, e.imageId);
    }
}

TEST(Templates, TheMainWindow)
{
    const platform::DialogTemplate& t = *platform::FindDialogTemplate(IDD_QUIZ);
    EXPECT_EQ(t.format, platform::TemplateFormat::Extended);
    EXPECT_EQ(t.style, WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_CENTER |
                           DS_SETFOREGROUND | DS_3DLOOK | DS_SETFONT);
    EXPECT_EQ(t.exStyle, WS_EX_APPWINDOW);
    EXPECT_EQ((RECT{t.x, t.y, t.cx, t.cy}), (RECT{0, 0, 383, 186}));
    EXPECT_STREQ(t.caption, "Wordloom 1.0");
    EXPECT_EQ(t.menuId, IDR_QUIZ_MENU);
    EXPECT_EQ(t.font.pointSize, 8);
    EXPECT_STREQ(t.font.faceName, "MS Sans Serif");
    EXPECT_EQ(t.font.weight, 0);
    EXPECT_FALSE(t.font.italic);
    EXPECT_EQ(t.font.charset, 1);

    // The question line and the options show database texts literally
    // (SS_NOPREFIX, BS_NOPREFIX), so a word like "R&D" keeps its ampersand.
    constexpr DWORD option = BS_AUTORADIOBUTTON | BS_NOPREFIX;
    constexpr DWORD direction = V | BS_AUTORADIOBUTTON | BS_PUSHLIKE;
    constexpr DWORD push = V | BS_PUSHBUTTON | WS_TABSTOP;
    ExpectControls(IDD_QUIZ, {
        {WindowClass::Button, IDCANCEL, "&Quit ", 296, 169, 80, 14, push, 0, 0},
        {WindowClass::Button, -1, "Problem Sets", 296, 9, 80, 45, V | BS_GROUPBOX, T, 0},
        {WindowClass::Button, IDC_WORD_TO_MEANING, "&Word to Meaning", 302, 19, 70, 15, direction, 0, 0},
        {WindowClass::Button, IDC_MEANING_TO_WORD, "Meaning to Word", 302, 35, 70, 15, direction, 0, 0},
        {WindowClass::Button, -1, "Question", 6, 9, 285, 120, V | BS_GROUPBOX, T, 0},
        {WindowClass::Static, IDC_QUESTION, "Static", 16, 19, 270, 10, V | SS_LEFT | SS_NOPREFIX | WS_GROUP, T, 0},
        {WindowClass::Button, IDC_OPTION1, "", 22, 35, 265, 10, option, T, 0},
        {WindowClass::Button, IDC_OPTION2, "", 22, 49, 260, 10, option, T, 0},
        {WindowClass::Button, IDC_OPTION3, "", 22, 65, 260, 10, option, T, 0},
        {WindowClass::Button, IDC_OPTION4, "", 22, 80, 265, 10, option, T, 0},
        {WindowClass::Button, IDC_OPTION5, "", 22, 94, 265, 10, option, T, 0},
        {WindowClass::Button, -1, "Answer", 6, 134, 285, 50, V | BS_GROUPBOX, T, 0},
        {WindowClass::Edit, IDC_ANSWER, "", 12, 155, 275, 25,
         V | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
         WS_EX_DLGMODALFRAME | T, 0},
        {WindowClass::Static, IDC_RESULT, "No, you are wrong! The Correct answer is:", 36, 145, 250, 10,
         V | SS_LEFT | WS_GROUP, T, 0},
        {WindowClass::Button, IDC_GO, "&GO!!", 106, 110, 65, 15, push, 0, 0},
        {WindowClass::Button, IDC_NEXT, "&Next >>", 182, 110, 65, 15, push, 0, 0},
        {WindowClass::Button, -1, "Preloaded Databases", 296, 59, 80, 45, V | BS_GROUPBOX, T, 0},
        {WindowClass::Button, IDC_SAT100, "SAT100", 302, 70, 70, 15, push, 0, 0},
        {WindowClass::Button, IDC_GRE1265, "GRE1265", 302, 84, 70, 15, push, 0, 0},
        {WindowClass::Static, -1, "", 302, 107, 67, 58, V | SS_BITMAP, 0, IDB_QUIZ_PICTURE},
    });
}

TEST(Templates, TheInformationWindow)
{
    const platform::DialogTemplate& t = *platform::FindDialogTemplate(IDD_INFO);
    EXPECT_EQ(t.format, platform::TemplateFormat::Extended);
    EXPECT_EQ(t.style, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | DS_SETFONT);
    EXPECT_EQ(t.exStyle, WS_EX_CLIENTEDGE);
    EXPECT_EQ((RECT{t.x, t.y, t.cx, t.cy}), (RECT{0, 0, 298, 201}));
    EXPECT_STREQ(t.caption, "Dialog");
    EXPECT_EQ(t.menuId, 0u);
    ExpectControls(IDD_INFO, {
        {WindowClass::Button, IDOK, "OK", 123, 185, 50, 14, V | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0},
        {WindowClass::Edit, IDC_INFO_TEXT, "", 1, 0, 295, 180,
         V | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
             ES_READONLY,
         WS_EX_CLIENTEDGE, 0},
    });
}

TEST(Templates, TheAboutBox)
{
    const platform::DialogTemplate& t = *platform::FindDialogTemplate(IDD_ABOUT_BOX);
    EXPECT_EQ(t.format, platform::TemplateFormat::Standard);
    EXPECT_EQ(t.style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT);
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ((RECT{t.x, t.y, t.cx, t.cy}), (RECT{0, 0, 217, 90}));
    EXPECT_STREQ(t.caption, "About Wordloom");
    EXPECT_EQ(t.font.pointSize, 8);
    EXPECT_STREQ(t.font.faceName, "MS Sans Serif");
    const platform::ControlTemplate* c = t.controls.data();
    ExpectControls(IDD_ABOUT_BOX, {
        {WindowClass::Static, -1, "", 5, 5, 20, 20, V | SS_ICON, 0, IDI_QUIZ},
        {WindowClass::Static, -1, "Wordloom 1.0", 40, 10, 119, 8, V | WS_GROUP | SS_LEFT | SS_NOPREFIX, 0, 0},
        {WindowClass::Static, -1, c[2].text, 35, 30, 145, 8, V | WS_GROUP | SS_LEFT, 0, 0},
        {WindowClass::Button, IDOK, "OK", 178, 7, 32, 14, V | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0},
        {WindowClass::Static, -1, "", 9, 50, 200, 10, V | WS_GROUP | SS_LEFT, 0, 0},
        {WindowClass::Static, -1, c[5].text, 10, 60, 205, 10, V | WS_GROUP | SS_LEFT, 0, 0},
        {WindowClass::Static, -1, c[6].text, 10, 72, 195, 10, V | WS_GROUP | SS_LEFT, 0, 0},
    });
    // The notice and contact lines are ours; the address is the project's, on a reserved domain.
    EXPECT_NE(std::string(c[2].text).find("Wordloom project"), std::string::npos);
    EXPECT_NE(std::string(c[6].text).find("@example.org"), std::string::npos);
}

TEST(Resources, TheMenuStartsWithOpenEnabledAndCloseGrayed)
{
    const platform::MenuTemplate* menu = platform::FindMenuTemplate(IDR_QUIZ_MENU);
    ASSERT_NE(menu, nullptr);
    struct Item {
        std::string popup, text;
        UINT command, flags;
    };
    const std::vector<Item> expected = {
        {"&File", "&Open Database", ID_FILE_OPEN_DATABASE, 0},
        {"&File", "&Close Database", ID_FILE_CLOSE_DATABASE, MF_GRAYED},
        {"&File", "&Exit", ID_FILE_EXIT, 0},
        {"&Problem Set", "&Word to Meaning", ID_SET_WORD_TO_MEANING, 0},
        {"&Problem Set", "&Meaning to Word", ID_SET_MEANING_TO_WORD, 0},
        {"&Help", "&How to use this?", ID_HELP_HOW_TO_USE, 0},
        {"&Help", "&About Wordloom", ID_HELP_ABOUT, 0},
    };
    std::vector<Item> actual;
    for (const platform::MenuTemplateItem& popup : menu->popups)
        for (const platform::MenuTemplateItem& item : popup.items)
            actual.push_back({popup.text, item.text, item.command, item.flags});
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].popup, expected[i].popup);
        EXPECT_EQ(actual[i].text, expected[i].text);
        EXPECT_EQ(actual[i].command, expected[i].command);
        EXPECT_EQ(actual[i].flags, expected[i].flags);
    }
}

TEST(Resources, StringsImagesAndVersion)
{
    EXPECT_STREQ(platform::FindString(IDS_ABOUT_ITEM), "&About WLOOM...");

    const platform::IconResource* icon = platform::FindIcon(IDI_QUIZ);
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(icon->images.size(), 2u);
    const platform::BitmapResource* logo = platform::FindBitmap(IDB_QUIZ_PICTURE);
    ASSERT_NE(logo, nullptr);
    // Each image's XPM header agrees with its size, and it holds at most 16 colours.
    for (const platform::ImageData& image :
         {icon->images[0], icon->images[1], logo->image}) {
        int width = 0, height = 0, colours = 0, perPixel = 0;
        ASSERT_EQ(std::sscanf(image.xpm.at(0), "%d %d %d %d", &width, &height, &colours, &perPixel), 4);
        EXPECT_EQ(width, image.width);
        EXPECT_EQ(height, image.height);
        EXPECT_LE(colours, 16);
        EXPECT_EQ(image.xpm.size(), static_cast<std::size_t>(1 + colours + height));
        for (int row = 0; row < height; ++row)
            EXPECT_EQ(std::string(image.xpm[static_cast<std::size_t>(1 + colours + row)]).size(),
                      static_cast<std::size_t>(width * perPixel));
    }
    EXPECT_EQ((std::vector<int>{icon->images[0].width, icon->images[1].width}), (std::vector<int>{32, 16}));
    EXPECT_EQ(logo->image.width, 101);
    EXPECT_EQ(logo->image.height, 95);

    const platform::VersionResource& version = AppResources().version;
    EXPECT_EQ((std::vector<WORD>(version.fileVersion, version.fileVersion + 4)), (std::vector<WORD>{1, 0, 0, 1}));
    EXPECT_EQ(version.fileFlagsMask, 0x3Fu);
    EXPECT_STREQ(version.stringTable, "040904b0");
    std::vector<std::string> keys;
    for (const platform::VersionString& s : version.strings)
        keys.push_back(s.key);
    EXPECT_EQ(keys, (std::vector<std::string>{"CompanyName", "FileDescription", "FileVersion", "InternalName",
                                              "LegalCopyright", "OriginalFilename", "ProductName",
                                              "ProductVersion"}));
    EXPECT_STREQ(version.strings[5].value, "WLOOM.EXE");
}

}  // namespace
