#pragma once

// A small dialog of our own for exercising the Qt host: radio buttons that
// the model checks or does not, push-like radio buttons, statics with and
// without mnemonics, an icon, a read-only edit, a menu with grayed and
// radio-marked items, a modeless tool window and a modal box.

#include "platform/Framework.h"

namespace host_ids {
constexpr UINT IDD_HOST = 300;
constexpr UINT IDD_TOOL = 301;  // Modeless and resizable, at its owner's client origin moved by (10, 20).
constexpr UINT IDD_BOX = 302;   // Modal.
constexpr UINT IDR_HOST_MENU = 310;
constexpr UINT IDI_HOST = 320;

constexpr int IDC_COLOUR_LABEL = 1201;
constexpr int IDC_RED = 1202;
constexpr int IDC_GREEN = 1203;
constexpr int IDC_MANUAL = 1204;  // A radio button that the model leaves unchecked on a click.
constexpr int IDC_SMALL = 1205;
constexpr int IDC_LARGE = 1206;
constexpr int IDC_TEXT = 1207;     // Shows database texts literally.
constexpr int IDC_SEASONING = 1208;
constexpr int IDC_LITERAL = 1209;  // A button whose '&' is literal.
constexpr int IDC_NOTES = 1210;
constexpr int IDC_APPLY = 1211;
constexpr int IDC_ICON = 1212;

constexpr UINT ID_OPEN = 41001;
constexpr UINT ID_DISABLED = 41002;
constexpr UINT ID_WORD = 41003;
constexpr UINT ID_MEANING = 41004;
}  // namespace host_ids
