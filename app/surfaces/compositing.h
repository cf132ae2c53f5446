#pragma once

// Whether the desktop composites windows, so that a translucent window shows what lies
// behind it. On X11 that is a compositing manager owning _NET_WM_CM_S<screen>; Wayland always
// composites; other platforms (offscreen) do not.
namespace Compositing {
bool isActive();
}
