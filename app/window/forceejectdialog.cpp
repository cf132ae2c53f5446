#include "window/forceejectdialog.h"

#include <QCoreApplication>

ForceEjectDialog::ForceEjectDialog(const QString &volumeName, const QStringList &blockers,
                                   QWidget *parent)
    : AlertDialog(
          Style::warning,
          QCoreApplication::translate("ForceEjectDialog", "“%1” is in use",
                                      "Force-eject dialog title")
              .arg(volumeName),
          QCoreApplication::translate("ForceEjectDialog",
                                      "“%1” is in use by: %2. Force ejecting may cause data loss.",
                                      "Force-eject dialog body; %2 is an app-name list")
              .arg(volumeName, blockers.join(QStringLiteral(", "))),
          QCoreApplication::translate("ForceEjectDialog", "Force Eject", "Destructive button"),
          true, parent)
{
}

bool ForceEjectDialog::present(const QString &volumeName, const QStringList &blockers,
                               QWidget *parent)
{
    ForceEjectDialog dialog(volumeName, blockers, parent);
    return dialog.run();
}
