#include "window/forceejectdialog.h"

#include <QCoreApplication>

ForceEjectDialog::ForceEjectDialog(const QString &volumeName, const QStringList &blockers,
                                   QWidget *parent)
    : AlertDialog(
          Style::warning,
          //: Force-eject dialog title
          QCoreApplication::translate("ForceEjectDialog", "“%1” is in use").arg(volumeName),
          //: Force-eject dialog body; %2 is an app-name list
          QCoreApplication::translate("ForceEjectDialog",
                                      "“%1” is in use by: %2. Force ejecting may cause data loss.")
              .arg(volumeName, blockers.join(QStringLiteral(", "))),
          //: Destructive button
          QCoreApplication::translate("ForceEjectDialog", "Force Eject"), true, parent)
{
}

bool ForceEjectDialog::present(const QString &volumeName, const QStringList &blockers,
                               QWidget *parent)
{
    ForceEjectDialog dialog(volumeName, blockers, parent);
    return dialog.run();
}
