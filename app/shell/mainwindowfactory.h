#pragma once

#include "common/surfaceinterfaces.h"

#include <functional>
#include <memory>

class Application;
class HistoryStore;

// Builds the main window the way the application opens it: the application's volumes in the user's
// sort order, its icons, actions menu, handlers, busy and activity marks, and the given log.
namespace MainWindowFactory {

std::function<std::unique_ptr<MainWindowSurface>(Application &)> make(HistoryStore &history);

} // namespace MainWindowFactory
