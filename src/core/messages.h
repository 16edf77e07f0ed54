#pragma once

#include <functional>
#include <string>

namespace veltrix {

// Plain message boxes (OK only, the application title as title). The window shows them; the
// lister and the tests collect them.
using MessageSink = std::function<void(const std::string& text)>;

}  // namespace veltrix
