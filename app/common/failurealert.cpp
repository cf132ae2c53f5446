#include "common/failurealert.h"

#include <QCoreApplication>

FailureAlert::FailureAlert(const QString &title, const QString &text, QWidget *parent)
    : AlertDialog(Style::warning, title, text,
                  //: Button
                  QCoreApplication::translate("FailureAlert", "OK"), parent)
{
}

void FailureAlert::present(const QString &title, const QString &text, QWidget *parent)
{
    FailureAlert alert(title, text, parent);
    alert.run();
}
