#pragma once

namespace QuillmereCore {
inline constexpr const char *version = "0.1.0";
}
