#pragma once

#include "model/volume.h"

#include <QHash>
#include <QString>

// When to tell the user that a drive is still being written to, and when that it can be
// unplugged. Only ejects the user asked for that free a removable drive count (not disk
// images, not network shares; auto-eject tells the user in its own way), and only slow ones:
// nothing is shown for an eject that ends within the delay. Several ejects of one drive (Eject
// All of its partitions) share one notice, which ends with the last of them. Pure.
class UnplugNotices {
public:
    static constexpr int delayMs = 1000;

    enum class Step { none, showWriting, showSafe, close };
    struct Decision {
        Step step = Step::none;
        // The whole disk the notice is about, and the volume name it shows.
        QString drive;
        QString name;

        bool operator==(const Decision &) const = default;
    };

    // The eject of this volume frees a drive that can be unplugged.
    static bool concerns(const Volume &volume);

    // An eject of `volume` began; false when it does not concern a drive.
    bool began(const Volume &volume);
    // The delay passed and the eject of `volume` still runs: show the first notice of its drive.
    Decision stillRunning(const Volume &volume);
    // The eject of `volume` ended (`ejected` false for a failure, a refusal or a cancel). With
    // the last eject of its drive the notice says it is safe, or goes when any of them failed.
    Decision ended(const Volume &volume, bool ejected);

private:
    struct Drive {
        QString name;
        int running = 0;
        bool shown = false;
        bool failed = false;
    };
    QHash<QString, Drive> m_drives;
};
