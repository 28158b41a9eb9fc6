#pragma once

// Everything the program's dialogs and application are written against.

#include "platform/CButton.h"
#include "platform/CDataExchange.h"
#include "platform/CDialog.h"
#include "platform/CEdit.h"
#include "platform/CFileDialog.h"
#include "platform/CMenu.h"
#include "platform/CPaintDC.h"
#include "platform/CString.h"
#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/Constants.h"
#include "platform/MessageMap.h"
#include "platform/Types.h"
