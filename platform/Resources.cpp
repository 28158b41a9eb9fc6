#include "platform/Resources.h"

namespace platform {

namespace {

template <typename T>
const T* FindById(const std::vector<T>& resources, UINT id)
{
    for (const T& resource : resources)
        if (resource.id == id)
            return &resource;
    return nullptr;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(UINT id)
{
    return FindById(AppResources().dialogs, id);
}

const MenuTemplate* FindMenuTemplate(UINT id)
{
    return FindById(AppResources().menus, id);
}

const char* FindString(UINT id)
{
    const StringResource* found = FindById(AppResources().strings, id);
    return found ? found->text : nullptr;
}

const IconResource* FindIcon(UINT id)
{
    return FindById(AppResources().icons, id);
}

const BitmapResource* FindBitmap(UINT id)
{
    return FindById(AppResources().bitmaps, id);
}

}  // namespace platform
