#pragma once

#include <QApplication>
#include <QWidget>

// The visible top-level widget of this type (a message box, a file dialog),
// or nullptr while none is shown.
template <typename Widget>
Widget* ShownTopLevel()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<Widget*>(w); found && found->isVisible())
            return found;
    return nullptr;
}
