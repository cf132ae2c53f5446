#include "services/interruptquit.h"

#include "interruptwatcher.h"

#include <QApplication>
#include <QWidget>

namespace InterruptQuit {

void connect(InterruptWatcher &watcher)
{
    QObject::connect(&watcher, &InterruptWatcher::interrupted, qApp, [] {
        // Open menus first: each runs a loop of its own under the pointer.
        for (int i = 0; i < 16 && QApplication::activePopupWidget() != nullptr; ++i)
            QApplication::activePopupWidget()->close();
        QCoreApplication::exit(0);
    });
}

} // namespace InterruptQuit
