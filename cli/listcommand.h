#pragma once

#include "model/volume.h"
#include "model/volumekind.h"

#include <QTextStream>
#include <qcoro/qcorotask.h>

class PreferencesStore;

struct ListOptions {
    bool all = false;
    bool json = false;
    bool watch = false;
};

// `quillmere-cli list`: the store's visible volumes (every kind with --all) as a table or
// JSON; with --watch, then one line per change until interrupted.
class ListCommand {
public:
    ListCommand(ListOptions options, const PreferencesStore &preferences, QTextStream &out,
                QTextStream &err);

    QCoro::Task<int> run();

    // Lines for what changed between two complete lists: "unmount" and "mount" events
    // first, then volumes listed or no longer listed without being mounted.
    static QStringList changeLines(const VolumeList &before, const VolumeList &after,
                                   const QDateTime &date, bool json);

private:
    VolumeKindSet shownKinds() const;
    void print(const VolumeList &volumes);

    ListOptions m_options;
    const PreferencesStore &m_preferences;
    QTextStream &m_out;
    QTextStream &m_err;
};
