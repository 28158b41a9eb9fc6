#pragma once

// A dialog template's font on this desktop, and the dialog base units that
// its metrics give. Dialog units scale with them, so the layout follows the
// font and the screen.

#include <QFont>

#include "platform/Host.h"

namespace platform {

// The template's face when the desktop has it, else the desktop's own
// sans-serif, at the template's point size.
QFont DialogFont(const FontSpec& spec);
// Average width of the 52 Latin letters, rounded, and the font's height.
BaseUnits MeasureBaseUnits(const QFont& font);

}  // namespace platform
