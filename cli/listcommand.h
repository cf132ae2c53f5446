#pragma once

#include "model/volume.h"
#include "model/volumekind.h"

#include <QStringList>
#include <QTextStream>
#include <memory>
#include <qcoro/qcorotask.h>

class PreferencesStore;
class UDisksClient;

struct ListOptions {
    bool all = false;
    bool json = false;
    bool watch = false;
};

// `quillmere-cli list`: the store's visible volumes (every kind with --all) as a table or
// JSON; with --watch, then one line per change until interrupted.
class ListCommand {
public:
    // snapshot, when given, is a client that was asked for udisks2's objects earlier.
    ListCommand(ListOptions options, const PreferencesStore &preferences, QTextStream &out,
                QTextStream &err, std::unique_ptr<UDisksClient> snapshot = nullptr);
    ~ListCommand();

    QCoro::Task<int> run();

    // True when the command line asks for a list without --watch: it reads udisks2 once.
    static bool isOneShot(const QStringList &arguments);
    // Asks udisks2 for its objects without waiting for the answer.
    static std::unique_ptr<UDisksClient> startSnapshot();

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
    std::unique_ptr<UDisksClient> m_snapshot;
};
