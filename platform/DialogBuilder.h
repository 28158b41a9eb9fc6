#pragma once

// Building a dialog's window and its controls from a template.

#include "platform/Host.h"
#include "platform/Resources.h"

class CDialog;

namespace platform {

enum class Modality { Modal, Modeless };

// Converts a rectangle in dialog units to pixels: each edge is scaled
// (x by baseX / 4, y by baseY / 8, rounded), then the size follows.
RECT DialogUnitsToPixels(const RECT& dialogUnits, const BaseUnits& units);

// Builds the window, attaches `dialog` to it, runs its initialisation
// (WM_INITDIALOG, and the focus when it asks for it) and shows it when the
// template is visible or the run is modal. nullptr when the window is gone
// again by the end of its initialisation.
Window* BuildDialog(CDialog& dialog, const DialogTemplate& dialogTemplate, Window* owner, Modality modality);

}  // namespace platform
