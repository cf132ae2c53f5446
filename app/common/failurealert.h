#pragma once

#include "common/alertdialog.h"

// A failed operation: a modal warning with a single default button.
class FailureAlert : public AlertDialog {
    Q_OBJECT
public:
    FailureAlert(const QString &title, const QString &text, QWidget *parent = nullptr);

    static void present(const QString &title, const QString &text, QWidget *parent = nullptr);
};
