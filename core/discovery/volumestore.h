#pragma once

#include "discovery/disksource.h"
#include "model/volume.h"
#include "model/volumekind.h"

#include <QObject>
#include <functional>
#include <memory>

// The one observable list of volumes. Main thread only.
class VolumeStore : public QObject {
    Q_OBJECT
public:
    // Nothing is read from the source until start().
    VolumeStore(std::shared_ptr<DiskSource> source, VolumeKindSet enabledKinds,
                QObject *parent = nullptr);

    // Shown until the user chooses otherwise: system images, boot and hidden volumes are not.
    static const VolumeKindSet &defaultEnabledKinds();

    // Called after every reload and every assignment of the enabled kinds; set by the owner.
    std::function<void()> onChange;

    // Registers with the source (holding this store weakly), then reloads once.
    void start();
    void reload();

    // Unfiltered, in the source's order, as of the last reload.
    const VolumeList &allVolumes() const { return m_allVolumes; }
    // allVolumes() limited to the enabled kinds, order kept.
    VolumeList visibleVolumes() const;

    const VolumeKindSet &enabledKinds() const { return m_enabledKinds; }
    // Notifies even when the set is unchanged.
    void setEnabledKinds(const VolumeKindSet &kinds);

private:
    void notify();

    std::shared_ptr<DiskSource> m_source;
    VolumeList m_allVolumes;
    VolumeKindSet m_enabledKinds;
};
