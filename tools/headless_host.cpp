#include "tools/headless_host.h"

#include <cstdio>
#include <stdexcept>

namespace skyfolio {

FloatBox& HeadlessHost::firstPicture() { throw std::logic_error("Float needs the saver window"); }

bool HeadlessHost::pauseHandlingEvents(std::chrono::milliseconds) {
    throw std::logic_error("Float needs the saver window");
}

void HeadlessHost::showMessage(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

}  // namespace skyfolio
