#pragma once

#include <functional>
#include <string>
#include <vector>

namespace skyfolio {

struct CacheReplacement {
    bool ok = true;
    int failedPicture = -1;  // index in the list of the picture that failed
    std::string error;
};

// Converts pictures[i] into cache file i ("SkyfolioImg/skyfss<i>.dib"). The
// cache is replaced as a whole or not at all: new files are written under
// temporary names and moved over the old ones only when every picture
// converted. A missing cache folder is created. `waiting` is called on the
// calling thread, often, with the number of pictures converted so far, to
// advance a progress display and keep the window painting.
CacheReplacement replaceCache(const std::vector<std::string>& pictures, const std::function<void(int done)>& waiting);

}  // namespace skyfolio
