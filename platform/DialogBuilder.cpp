#include "platform/DialogBuilder.h"

#include "platform/CDialog.h"
#include "platform/DialogManager.h"
#include "platform/Dispatch.h"
#include "platform/Menu.h"
#include "platform/Window.h"

namespace platform {

namespace {

RECT CentredIn(const RECT& area, int width, int height)
{
    const int left = area.left + (area.Width() - width) / 2;
    const int top = area.top + (area.Height() - height) / 2;
    return RECT{left, top, left + width, top + height};
}

// Where a dialog's client area goes on the screen.
RECT PlaceDialog(const DialogTemplate& t, const BaseUnits& units, Window* owner, Modality modality)
{
    const RECT size = DialogUnitsToPixels(RECT{0, 0, t.cx, t.cy}, units);
    const RECT offset = DialogUnitsToPixels(RECT{t.x, t.y, t.x, t.y}, units);
    if (t.style & DS_CENTER)
        return CentredIn(CurrentHost().WorkArea(), size.Width(), size.Height());
    // The framework centres a modal dialog on its (disabled) owner.
    if (owner && modality == Modality::Modal)
        return CentredIn(owner->Rect(), size.Width(), size.Height());
    const int originX = owner && !(t.style & DS_ABSALIGN) ? owner->Rect().left : 0;
    const int originY = owner && !(t.style & DS_ABSALIGN) ? owner->Rect().top : 0;
    return RECT{originX + offset.left, originY + offset.top, originX + offset.left + size.Width(),
                originY + offset.top + size.Height()};
}

std::unique_ptr<Window> BuildControl(const ControlTemplate& c, const BaseUnits& units)
{
    auto control = std::make_unique<Window>(c.windowClass, c.id, c.style | WS_CHILD, c.exStyle, c.text);
    const RECT dlu{c.x, c.y, c.x + c.cx, c.y + c.cy};
    control->SetDialogUnitRect(dlu);
    control->SetRect(DialogUnitsToPixels(dlu, units));
    control->SetImageId(c.imageId);
    return control;
}

}  // namespace

RECT DialogUnitsToPixels(const RECT& r, const BaseUnits& units)
{
    return RECT{MulDiv(r.left, units.x, 4), MulDiv(r.top, units.y, 8), MulDiv(r.right, units.x, 4),
                MulDiv(r.bottom, units.y, 8)};
}

Window* BuildDialog(CDialog& dialog, const DialogTemplate& t, Window* owner, Modality modality)
{
    Host& host = CurrentHost();
    const BaseUnits units = host.DialogBaseUnits(t.font);

    // Built hidden; shown once initialised.
    auto built = std::make_unique<Window>(WindowClass::Dialog, static_cast<int>(t.id), t.style & ~WS_VISIBLE,
                                          t.exStyle, t.caption);
    built->SetFont(t.font);
    built->SetDialogUnitRect(RECT{t.x, t.y, t.x + t.cx, t.y + t.cy});
    built->SetRect(PlaceDialog(t, units, owner, modality));
    built->Run().modal = modality == Modality::Modal;
    for (const ControlTemplate& c : t.controls)
        built->AddChild(BuildControl(c, units));

    Window& window = AddTopLevelWindow(std::move(built));
    if (t.menuId)
        if (const MenuTemplate* menu = FindMenuTemplate(t.menuId))
            window.SetMenuBar(Menu::FromTemplate(*menu, &window));
    if (t.style & WS_SYSMENU)
        window.SetSystemMenu(Menu::SystemMenu(t.style, &window));
    window.SetOwner(owner);
    window.Attach(dialog);
    host.WindowCreated(window);

    const LRESULT setDefaultFocus = SendMessage(window, WM_INITDIALOG, 0, 0);
    if (!IsWindow(&window))
        return nullptr;
    if (setDefaultFocus) {
        if (Window* first = FirstTabStop(window))
            SetFocus(first);
        else
            SetActiveWindow(&window);
    }
    if (window.Run().ended)
        return &window;  // Ended during initialisation: never shown.
    if (modality == Modality::Modal || (t.style & WS_VISIBLE)) {
        window.SetVisible(true);
        SetActiveWindow(&window);
    }
    return &window;
}

}  // namespace platform
