#pragma once

#include "platform/CString.h"

// How to use the program and how to write a database: 33 lines joined by
// "\r\n", with no line break after the last.
CString UsageText();
