#pragma once

#include "forms/platform.h"

#include <memory>
#include <string>

namespace webui {

// A picture the page has read, named by the page's handle of it, which goes
// with it.
class WebPicture final : public forms::Picture {
public:
    explicit WebPicture(int id) : id(id) {}
    ~WebPicture() override;
    const int id;
};

// Reads the picture file at `path` beside the page with the limits and
// refusals of every build: throws calc::FileNotFound when there is none,
// calc::FileFailure when it is not a bitmap that can be read.
std::unique_ptr<WebPicture> ReadPicture(const std::string& path);

// Starts fetching the picture file at `path` now, so that the program's next
// ReadPicture of it need not wait as long.
void PrefetchPicture(const std::string& path);

} // namespace webui
