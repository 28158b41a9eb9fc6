#pragma once

// Shows a model menu with Qt: a menu bar's popups, or the items of one popup
// menu. Texts keep their '&' mnemonics, grayed items are disabled, checked
// items show a check mark and radio-checked items a bullet. Each action
// carries the command it stands for; choosing it is the host's business.

#include "platform/Menu.h"
#include "platform/Types.h"

class QAction;
class QWidget;

namespace platform {

class MenuMirror {
public:
    // Fills a QMenuBar or QMenu that holds no actions yet.
    static void Fill(QWidget& target, const Menu& menu);
    // Brings texts and states up to date; builds anew when items came or went.
    static void Sync(QWidget& target, const Menu& menu);
    // The command of an item action, or 0 for popups and separators.
    static UINT CommandOf(const QAction& action);

private:
    static bool SameShape(QWidget& target, const Menu& menu);
    static void Update(QAction& action, const MenuItem& item);
};

}  // namespace platform
