#include "ui/ImageList.h"

namespace ui {

ImageList::ImageList(int width, int height)
    : width_(width), height_(height), handle_(ImageList_Create(width, height, ILC_COLOR32, 16, 16)) {}

ImageList& ImageList::Add(const Bitmap& strip) {
    if (!strip.Empty()) ImageList_Add(handle_.get(), strip.Handle(), nullptr);
    return *this;
}

int ImageList::Count() const { return ImageList_GetImageCount(handle_.get()); }

}  // namespace ui
