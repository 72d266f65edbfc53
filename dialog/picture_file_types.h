#pragma once

#include <string>
#include <vector>

namespace skyfolio {

// The Add dialog's choice of files, as Qt's name filters
// ("Description (*.a *.b)"): the classic types first, as they have always
// been listed, then "All pictures", every type this build reads, then each
// further type on its own.
struct PictureFilters {
    std::vector<std::string> filters;
    int selected = 0;  // "All pictures"
};

PictureFilters pictureFilters();

}  // namespace skyfolio
