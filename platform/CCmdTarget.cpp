#include "platform/CCmdTarget.h"

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT notifyCode)
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageMapEntry& entry = map->entries[i];
            if (entry.message == WM_COMMAND && entry.notifyCode == notifyCode && id >= entry.firstId &&
                id <= entry.lastId) {
                entry.invoke(*this, 0, 0);
                return TRUE;
            }
        }
    }
    return FALSE;
}

const MessageMapEntry* CCmdTarget::FindMessageEntry(UINT message) const
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base)
        for (std::size_t i = 0; i < map->count; ++i)
            if (map->entries[i].message == message)
                return &map->entries[i];
    return nullptr;
}

const MessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMap map(nullptr);
    return &map;
}
