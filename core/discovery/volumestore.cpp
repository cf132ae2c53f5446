#include "discovery/volumestore.h"

#include <QPointer>

VolumeStore::VolumeStore(std::shared_ptr<DiskSource> source, VolumeKindSet enabledKinds,
                         QObject *parent)
    : QObject(parent), m_source(std::move(source)), m_enabledKinds(std::move(enabledKinds))
{
    Q_ASSERT(m_source);
}

const VolumeKindSet &VolumeStore::defaultEnabledKinds()
{
    static const VolumeKindSet kinds{VolumeKind::external, VolumeKind::diskImage,
                                     VolumeKind::network, VolumeKind::internalExtra};
    return kinds;
}

void VolumeStore::start()
{
    if (m_source) {
        // Weak: a released store must not be revived, nor keep the source calling into it.
        m_source->setChangeHandler([store = QPointer<VolumeStore>(this)] {
            if (store)
                store->reload();
        });
    }
    reload();
}

void VolumeStore::reload()
{
    m_allVolumes = m_source ? m_source->currentVolumes() : VolumeList{};
    notify();
}

VolumeList VolumeStore::visibleVolumes() const
{
    VolumeList result;
    for (const Volume &volume : m_allVolumes) {
        if (m_enabledKinds.contains(volume.kind))
            result.append(volume);
    }
    return result;
}

void VolumeStore::setEnabledKinds(const VolumeKindSet &kinds)
{
    m_enabledKinds = kinds;
    notify();
}

void VolumeStore::notify()
{
    if (onChange) {
        // A copy, so the handler may replace onChange while it runs.
        const std::function<void()> handler = onChange;
        handler();
    }
}
