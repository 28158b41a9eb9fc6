#include "platform/qt/QtImages.h"

namespace platform {

QPixmap PixmapFrom(const ImageData& image)
{
    return image.xpm.empty() ? QPixmap() : QPixmap(image.xpm.data());
}

QPixmap IconPixmap(HICON icon, int width)
{
    if (!icon || icon->images.empty())
        return QPixmap();
    for (const ImageData& image : icon->images)
        if (image.width == width)
            return PixmapFrom(image);
    return PixmapFrom(icon->images.front());
}

QIcon WindowIcon(HICON big, HICON small)
{
    QIcon result;
    for (HICON icon : {big, small == big ? nullptr : small})
        if (icon)
            for (const ImageData& image : icon->images)
                result.addPixmap(PixmapFrom(image));
    return result;
}

}  // namespace platform
