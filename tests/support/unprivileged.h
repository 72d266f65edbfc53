#pragma once

#include <functional>

namespace skyfolio::test {

// Runs `action` in a child process that file permissions apply to: root
// ignores them, so as root the child first becomes the user "nobody".
// Returns what the action returned; false when the child failed otherwise.
bool asUnprivilegedUser(const std::function<bool()>& action);

}  // namespace skyfolio::test
