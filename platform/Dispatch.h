#pragma once

// Delivering messages to windows: through the attached object's message map
// when there is one, else straight to the window's default behaviour.

#include "platform/Types.h"

namespace platform {

LRESULT SendMessage(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
// The behaviour a window has of its own, for messages no map handles.
LRESULT DefWindowProc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);

struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
// The message being handled right now (the innermost, when nested).
const CurrentMessage& CurrentlyHandledMessage();

// How many messages are being handled right now, nested.
int DispatchDepth();
// Frees destroyed windows once no handler is running.
void CollectDestroyedWindows();

}  // namespace platform
