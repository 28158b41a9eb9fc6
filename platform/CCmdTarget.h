#pragma once

// The base of everything that handles commands: it owns a message map and
// finds in it, up the chain of base classes, the handler for a message.

#include "platform/MessageMap.h"
#include "platform/Types.h"

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Runs the first handler for this command (identifier and notification
    // code) up the map chain. FALSE when no map has one.
    virtual BOOL OnCmdMsg(UINT id, UINT notifyCode);
    // The first entry up the map chain for a message other than WM_COMMAND.
    const MessageMapEntry* FindMessageEntry(UINT message) const;

    virtual const MessageMap* GetMessageMap() const;
    static const MessageMap* GetThisMessageMap();
};
