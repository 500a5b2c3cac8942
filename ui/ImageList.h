#pragma once
// A list of same-sized pictures drawn by the common controls (tree views take their node
// images from one).
#include <windows.h>
#include <commctrl.h>

#include "base/Handle.h"
#include "ui/Graphics.h"

namespace ui {

struct ImageListTraits {
    using pointer = HIMAGELIST;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { ImageList_Destroy(h); }
};
using UniqueImageList = win::UniqueHandle<ImageListTraits>;

class ImageList {
public:
    // An empty list of 32-bit pictures with alpha, each width x height pixels.
    ImageList(int width, int height);
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    // Adds the pictures of a strip laid out side by side, left to right. A 32-bit strip
    // carries straight (not premultiplied) alpha, as the common controls expect.
    ImageList& Add(const Bitmap& strip);
    int Count() const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    HIMAGELIST Handle() const { return handle_.get(); }

private:
    int width_, height_;
    UniqueImageList handle_;
};

}  // namespace ui
