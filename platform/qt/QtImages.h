#pragma once

// The program's images (XPM text in its resources) as Qt pixmaps and icons.

#include <QIcon>
#include <QPixmap>

#include "platform/Resources.h"
#include "platform/Types.h"

namespace platform {

QPixmap PixmapFrom(const ImageData& image);
// The icon's image of the given width, or its first image.
QPixmap IconPixmap(HICON icon, int width);
// One Qt icon holding every size of both icons.
QIcon WindowIcon(HICON big, HICON small);

}  // namespace platform
