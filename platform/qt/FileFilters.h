#pragma once

// The Open dialog's file types in the form Qt's file dialog reads them.

#include <QStringList>

#include <vector>

#include "platform/Host.h"

namespace platform {

// One Qt name filter per type, in order: Qt takes the patterns from the
// parentheses at the end, separated by spaces. A name that already ends with
// its own patterns ("Text Database (*.txt)") is kept as it is.
QStringList NameFilters(const std::vector<FileFilter>& filters);

}  // namespace platform
