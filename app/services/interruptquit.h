#pragma once

class InterruptWatcher;

// Ends the program at the first SIGINT or SIGTERM, whatever is open. A plain quit asks every
// window to close and gives up when one refuses (the main window of a tray program hides
// instead, a modal dialog runs its own loop), so the signal leaves every event loop at once:
// open menus close, modal dialogs return, and the main loop ends, after which the terminate
// step runs as for "Quit Quillmere".
namespace InterruptQuit {

void connect(InterruptWatcher &watcher);

} // namespace InterruptQuit
