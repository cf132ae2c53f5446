#pragma once

#include "common/alertdialog.h"

#include <QStringList>

// Offers to force an eject that applications are blocking, naming them.
class ForceEjectDialog : public AlertDialog {
    Q_OBJECT
public:
    // blockers: application names, at least one.
    ForceEjectDialog(const QString &volumeName, const QStringList &blockers,
                     QWidget *parent = nullptr);

    static bool present(const QString &volumeName, const QStringList &blockers,
                        QWidget *parent = nullptr);
};
