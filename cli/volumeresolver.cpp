#include "volumeresolver.h"

#include "terminaltext.h"
#include "volumeresources.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace {

QList<const Volume *> matching(const VolumeList &volumes, auto predicate)
{
    QList<const Volume *> found;
    for (const Volume &v : volumes) {
        if (predicate(v)) {
            found.append(&v);
        }
    }
    return found;
}

VolumeResolver::Resolution choose(const QList<const Volume *> &found, const QString &argument)
{
    if (found.size() == 1) {
        return {*found.constFirst(), QString()};
    }
    QStringList devices;
    for (const Volume *v : found) {
        devices.append(
            TerminalText::escaped(v->deviceName.isEmpty() ? v->mountPath : v->deviceName));
    }
    devices.removeDuplicates();
    //: quillmere-cli: an ambiguous volume name
    return {std::nullopt,
            QCoreApplication::translate(
                "VolumeResolver", "Several volumes are called “%1” (%2); name one by its device.")
                .arg(TerminalText::echoed(argument), devices.join(QLatin1String(", ")))};
}

} // namespace

namespace VolumeResolver {

Resolution resolve(const VolumeList &volumes, const QString &argument)
{
    if (argument.trimmed().isEmpty()) {
        //: quillmere-cli: an empty volume argument
        return {std::nullopt, QCoreApplication::translate(
                                  "VolumeResolver",
                                  "No volume given; name a device, a mount point or a volume.")};
    }
    if (argument.startsWith(QLatin1Char('/'))) {
        // A device node, or a link to one (/dev/disk/by-label/...).
        const QString resolved = resolvedMountSource(argument);
        if (resolved.startsWith(QLatin1String("/dev/")) && resolved.size() > 5) {
            const QString device = resolved.mid(5);
            const auto found =
                matching(volumes, [&device](const Volume &v) { return v.deviceName == device; });
            if (!found.isEmpty()) {
                // A device mounted twice is listed twice; the first mount stands for it.
                return {*found.constFirst(), QString()};
            }
        }
        const QString clean = QDir::cleanPath(argument);
        auto found = matching(
            volumes, [&clean](const Volume &v) { return v.isMounted && v.mountPath == clean; });
        if (found.isEmpty() && resolved != argument) {
            const QString cleanResolved = QDir::cleanPath(resolved);
            found = matching(volumes, [&cleanResolved](const Volume &v) {
                return v.isMounted && v.mountPath == cleanResolved;
            });
        }
        if (!found.isEmpty()) {
            // The same path can be listed once only; the last mount there is the visible one.
            return {*found.constLast(), QString()};
        }
    } else {
        const auto byDevice =
            matching(volumes, [&argument](const Volume &v) { return v.deviceName == argument; });
        const auto namedSo = matching(volumes, [&argument](const Volume &v) {
            return v.name == argument && v.deviceName != argument;
        });
        if (!byDevice.isEmpty() && !namedSo.isEmpty()) {
            //: quillmere-cli: an argument that is one volume's device and another's name
            return {std::nullopt,
                    QCoreApplication::translate("VolumeResolver",
                                                "“%1” is a device and also the name of the volume "
                                                "on %2; name it by its path (/dev/%1) or its "
                                                "mount point.")
                        .arg(TerminalText::echoed(argument),
                             TerminalText::escaped(namedSo.constFirst()->deviceName.isEmpty()
                                                       ? namedSo.constFirst()->mountPath
                                                       : namedSo.constFirst()->deviceName))};
        }
        if (!byDevice.isEmpty()) {
            return {*byDevice.constFirst(), QString()};
        }
    }
    const auto byName =
        matching(volumes, [&argument](const Volume &v) { return v.name == argument; });
    if (!byName.isEmpty()) {
        return choose(byName, argument);
    }
    //: quillmere-cli: the volume argument matches nothing
    return {std::nullopt,
            QCoreApplication::translate(
                "VolumeResolver", "No volume is called “%1”, mounted there or on that device.")
                .arg(TerminalText::echoed(argument))};
}

} // namespace VolumeResolver
