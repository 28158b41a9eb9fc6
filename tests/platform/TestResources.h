#pragma once

// A small dialog of our own for exercising the framework layer: two radio
// groups, push buttons, statics with and without mnemonics, an edit, a menu.

#include "platform/Framework.h"

namespace test_ids {
constexpr UINT IDD_SAMPLE = 200;
constexpr UINT IDD_TOOL = 201;  // Modeless, placed at its owner's client origin.
constexpr UINT IDD_BOX = 202;   // Modal, centred.
constexpr UINT IDR_SAMPLE_MENU = 300;
constexpr UINT IDS_GREETING = 400;
constexpr UINT IDI_SAMPLE = 500;

constexpr int IDC_COLOUR_LABEL = 1100;
constexpr int IDC_RED = 1101;
constexpr int IDC_GREEN = 1102;
constexpr int IDC_BLUE = 1103;
constexpr int IDC_SMALL = 1104;
constexpr int IDC_LARGE = 1105;
constexpr int IDC_NAME = 1106;
constexpr int IDC_APPLY = 1107;
constexpr int IDC_HIDDEN = 1108;
constexpr int IDC_LITERAL = 1109;
constexpr int IDC_NAME_LABEL = 1110;

constexpr UINT ID_VIEW_ONE = 40001;
constexpr UINT ID_VIEW_TWO = 40002;
constexpr UINT ID_VIEW_THREE = 40003;
constexpr UINT ID_FILE_QUIT = 40004;
constexpr UINT ID_NOBODY = 40005;  // In the menu, handled by no map.
}  // namespace test_ids
