#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>

// Answers the next modal dialog of the given type, once it has opened, with the given action.
template <typename Dialog, typename Action> void whenModal(Action action)
{
    QTimer::singleShot(0, [action] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "the expected dialog did not open");
        action(dialog);
    });
}
