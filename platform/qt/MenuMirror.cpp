#include "platform/qt/MenuMirror.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "platform/Constants.h"
#include "platform/qt/QtText.h"

namespace platform {

namespace {

QAction* AddAction(QWidget& target, QAction* action)
{
    target.addAction(action);
    return action;
}

QMenu* AddPopup(QWidget& target, const QString& title)
{
    if (auto* bar = qobject_cast<QMenuBar*>(&target))
        return bar->addMenu(title);
    return static_cast<QMenu&>(target).addMenu(title);
}

}  // namespace

void MenuMirror::Fill(QWidget& target, const Menu& menu)
{
    for (const MenuItem& item : menu.Items()) {
        if (item.separator) {
            auto* separator = new QAction(&target);
            separator->setSeparator(true);
            AddAction(target, separator);
        } else if (item.popup) {
            QMenu* popup = AddPopup(target, FromBytes(item.text));
            Fill(*popup, *item.popup);
            Update(*popup->menuAction(), item);
        } else {
            QAction* action = AddAction(target, new QAction(&target));
            action->setData(QVariant::fromValue(item.command));
            Update(*action, item);
        }
    }
}

void MenuMirror::Sync(QWidget& target, const Menu& menu)
{
    if (!SameShape(target, menu)) {
        // Actions may be in the middle of reporting a choice: let them go later.
        for (QAction* action : target.actions()) {
            target.removeAction(action);
            if (QMenu* popup = action->menu())
                popup->deleteLater();
            if (action->parent() == &target)
                action->deleteLater();
        }
        Fill(target, menu);
        return;
    }
    const QList<QAction*> actions = target.actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const MenuItem& item = menu.Items()[static_cast<std::size_t>(i)];
        if (item.separator)
            continue;
        Update(*actions[i], item);
        if (item.popup)
            Sync(*actions[i]->menu(), *item.popup);
    }
}

UINT MenuMirror::CommandOf(const QAction& action)
{
    return action.menu() || action.isSeparator() ? 0 : action.data().value<UINT>();
}

bool MenuMirror::SameShape(QWidget& target, const Menu& menu)
{
    const QList<QAction*> actions = target.actions();
    if (static_cast<std::size_t>(actions.size()) != menu.Items().size())
        return false;
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const MenuItem& item = menu.Items()[static_cast<std::size_t>(i)];
        QAction& action = *actions[i];
        if (item.separator != action.isSeparator() || bool(item.popup) != bool(action.menu()))
            return false;
        if (!item.separator && !item.popup && action.data().value<UINT>() != item.command)
            return false;
        if (item.popup && !SameShape(*action.menu(), *item.popup))
            return false;
    }
    return true;
}

void MenuMirror::Update(QAction& action, const MenuItem& item)
{
    action.setText(FromBytes(item.text));
    action.setEnabled(!(item.state & (MF_GRAYED | MF_DISABLED)));
    if (item.popup)
        return;
    // An unchecked item shows no mark at all, as on the desktop the model
    // stands for; a radio-checked one sits in a group of its own so that Qt
    // draws a bullet without ever unchecking a neighbour.
    const bool checked = item.state & MF_CHECKED;
    const bool radio = checked && (item.state & MFT_RADIOCHECK);
    if (radio && !action.actionGroup()) {
        auto* group = new QActionGroup(&action);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        action.setActionGroup(group);
    } else if (!radio && action.actionGroup()) {
        QActionGroup* group = action.actionGroup();
        action.setActionGroup(nullptr);
        group->deleteLater();
    }
    action.setCheckable(checked);
    action.setChecked(checked);
}

}  // namespace platform
