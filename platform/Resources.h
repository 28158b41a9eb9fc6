#pragma once

// The program's resources as data: dialog templates, menus, strings, icons,
// bitmaps and version data. The program defines AppResources() once; the
// framework builds windows and menus from it by identifier.

#include <string>
#include <vector>

#include "platform/Types.h"

namespace platform {

// What kind of window a control is; its style bits say which variety.
enum class WindowClass { Dialog, Button, Static, Edit };

struct ControlTemplate {
    WindowClass windowClass = WindowClass::Static;
    int id = -1;             // -1: the control has no identifier of its own.
    const char* text = "";
    int x = 0, y = 0, cx = 0, cy = 0;  // Dialog units.
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT imageId = 0;        // Icon or bitmap resource of an SS_ICON or SS_BITMAP static.
};

struct FontSpec {
    int pointSize = 8;
    const char* faceName = "MS Sans Serif";
    int weight = 0;
    bool italic = false;
    int charset = 1;
};

enum class TemplateFormat { Standard, Extended };

struct DialogTemplate {
    UINT id = 0;
    TemplateFormat format = TemplateFormat::Standard;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // Dialog units.
    const char* caption = "";
    UINT menuId = 0;                   // 0: no menu bar.
    FontSpec font;
    std::vector<ControlTemplate> controls;
};

struct MenuTemplateItem {
    const char* text = "";
    UINT command = 0;
    UINT flags = 0;  // MF_GRAYED, MF_CHECKED, MF_SEPARATOR; MF_POPUP when it has items.
    std::vector<MenuTemplateItem> items;
};

struct MenuTemplate {
    UINT id = 0;
    std::vector<MenuTemplateItem> popups;
};

struct StringResource {
    UINT id = 0;
    const char* text = "";
};

// An image as XPM text: the lines of an XPM file, header first.
struct ImageData {
    int width = 0;
    int height = 0;
    int colours = 16;
    std::vector<const char*> xpm;
};

struct IconResource {
    UINT id = 0;
    std::vector<ImageData> images;  // One image per size.
};

struct BitmapResource {
    UINT id = 0;
    ImageData image;
};

struct VersionString {
    const char* key;
    const char* value;
};

struct VersionResource {
    WORD fileVersion[4] = {};
    WORD productVersion[4] = {};
    DWORD fileFlagsMask = 0;
    DWORD fileFlags = 0;
    const char* fileOs = "";
    const char* fileType = "";
    WORD language = 0;
    WORD codePage = 0;
    const char* stringTable = "";
    std::vector<VersionString> strings;
};

struct ResourceSet {
    std::vector<DialogTemplate> dialogs;
    std::vector<MenuTemplate> menus;
    std::vector<StringResource> strings;
    std::vector<IconResource> icons;
    std::vector<BitmapResource> bitmaps;
    VersionResource version;
};

// Lookups by identifier; nullptr when the program has no such resource.
const DialogTemplate* FindDialogTemplate(UINT id);
const MenuTemplate* FindMenuTemplate(UINT id);
const char* FindString(UINT id);
const IconResource* FindIcon(UINT id);
const BitmapResource* FindBitmap(UINT id);

}  // namespace platform

// Defined once by the program (or by a test that brings its own templates).
const platform::ResourceSet& AppResources();
