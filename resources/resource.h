#pragma once

// Identifiers of the program's resources, controls and commands. The values
// are fixed: templates, menus and stored identifiers rely on them, and the
// option slots must stay consecutive (a slot is its identifier minus 1007).

#include "platform/Types.h"

// Dialog templates, menu, icon, bitmap and strings.
constexpr UINT IDD_ABOUT_BOX = 100;
constexpr UINT IDS_ABOUT_ITEM = 101;
constexpr UINT IDD_QUIZ = 102;
constexpr UINT IDI_QUIZ = 128;
constexpr UINT IDR_QUIZ_MENU = 129;
constexpr UINT IDD_INFO = 130;
constexpr UINT IDB_QUIZ_PICTURE = 131;

// The About item of the main window's system menu.
constexpr UINT IDM_ABOUT_ITEM = 0x0010;

// Controls of the main window.
constexpr int IDC_WORD_TO_MEANING = 1001;
constexpr int IDC_OPTION1 = 1008;
constexpr int IDC_OPTION2 = 1009;
constexpr int IDC_OPTION3 = 1010;
constexpr int IDC_OPTION4 = 1011;
constexpr int IDC_OPTION5 = 1012;
constexpr int IDC_ANSWER = 1013;
constexpr int IDC_GO = 1014;
constexpr int IDC_NEXT = 1015;
constexpr int IDC_RESULT = 1016;
constexpr int IDC_QUESTION = 1017;
constexpr int IDC_MEANING_TO_WORD = 1018;
constexpr int IDC_SAT100 = 1022;
constexpr int IDC_GRE1265 = 1023;

// The text control of the information window.
constexpr int IDC_INFO_TEXT = 1021;

// Menu commands.
constexpr UINT ID_FILE_OPEN_DATABASE = 32771;
constexpr UINT ID_FILE_CLOSE_DATABASE = 32772;
constexpr UINT ID_FILE_EXIT = 32773;
constexpr UINT ID_SET_WORD_TO_MEANING = 32774;
constexpr UINT ID_SET_MEANING_TO_WORD = 32775;
constexpr UINT ID_HELP_HOW_TO_USE = 32776;
constexpr UINT ID_HELP_ABOUT = 32777;

constexpr int OptionCount = 5;
static_assert(IDC_OPTION5 - IDC_OPTION1 == OptionCount - 1, "the option slots are consecutive");
