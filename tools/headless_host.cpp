#include "tools/headless_host.h"

#include <cstdio>

namespace skyfolio {

void HeadlessHost::showMessage(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

}  // namespace skyfolio
