#include "pictures.h"

#include "core/bitmapheader.h"
#include "core/failure.h"
#include "pagecodes.h"
#include "pagetext.h"

#include <emscripten.h>

#include <cstdint>

// The page's script, as JavaScript is written.
// clang-format off
EM_JS(void, dish_free_picture, (int picture), { Dish.freePicture(picture); });
// The file at `url` whole, its size in `size`; null with kNoSuchFile in
// `size` when there is none, with kUnreadable when it cannot be read (the
// reason is the result), with kTooLarge when it is larger than `limit`.
EM_ASYNC_JS(char*, dish_fetch, (const char* url, int limit, int* size),
            { return await Dish.fetchFile(UTF8ToString(url), limit, size); });
// The picture the browser reads from `size` bytes; 0 when it cannot, with
// its width and height.
EM_ASYNC_JS(int, dish_decode_picture, (const char* bytes, int size, int* width, int* height),
            { return await Dish.decodePicture(bytes, size, width, height); });
EM_JS(void, dish_prefetch, (const char* url), { Dish.prefetch(UTF8ToString(url)); });
// clang-format on

namespace webui {

void PrefetchPicture(const std::string& path) {
    dish_prefetch(path.c_str());
}

WebPicture::~WebPicture() {
    dish_free_picture(id);
}

std::unique_ptr<WebPicture> ReadPicture(const std::string& path) {
    int size = 0;
    const PageText bytes{
        dish_fetch(path.c_str(), static_cast<int>(calc::kMaxPictureFileBytes), &size)};
    if (size == kNoSuchFile) {
        throw calc::FileNotFound(path);
    }
    if (size == kUnreadable) {
        calc::PictureNotReadable(path, bytes.get());
    }
    if (size == kTooLarge) {
        calc::PictureNotReadable(path, "larger than any picture the programs read");
    }
    calc::CheckPictureFile(path, std::string_view(bytes.get(), static_cast<std::size_t>(size)),
                           static_cast<std::uint64_t>(size),
                           calc::PictureFormats::WindowsBitmapOnly);
    int width = 0;
    int height = 0;
    const int picture = dish_decode_picture(bytes.get(), size, &width, &height);
    if (picture == 0) {
        calc::PictureNotReadable(path, "the browser cannot read it as a bitmap");
    }
    auto read = std::make_unique<WebPicture>(picture);
    if (const std::string tooLarge = calc::PictureTooLarge(width, height); !tooLarge.empty()) {
        calc::PictureNotReadable(path, tooLarge);
    }
    return read;
}

} // namespace webui
