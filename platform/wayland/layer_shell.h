#pragma once

// The layer shell's generated client code, whose requests name an argument
// `namespace`, a word C++ keeps for itself.
#include <wayland-client.h>
#define namespace namespace_
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace
