#pragma once

#include "model/volume.h"
#include "operations/operationresult.h"
#include "operations/volumeoperation.h"
#include "stores/historyentry.h"

#include <QDateTime>

class HistoryRecording;

// Turns each operation result into its one history line; the application's flows and the
// command line both record through it.
class OperationRecorder {
public:
    explicit OperationRecorder(HistoryRecording &history);

    // Appends the line, dated now, and returns it.
    HistoryEntry record(VolumeOperation operation, const Volume &volume,
                        const OperationResult &result);

    // The line written as an operation begins ("state": "started"), so that an operation cut
    // short with its process leaves a trace.
    HistoryEntry recordStart(VolumeOperation operation, const Volume &volume);

    static HistoryEntry entry(VolumeOperation operation, const Volume &volume,
                              const OperationResult &result, const QDateTime &date);

private:
    HistoryRecording &m_history;
};
