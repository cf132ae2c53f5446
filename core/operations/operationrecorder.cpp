#include "operations/operationrecorder.h"

#include "stores/historyrecording.h"

OperationRecorder::OperationRecorder(HistoryRecording &history) : m_history(history) {}

HistoryEntry OperationRecorder::record(VolumeOperation operation, const Volume &volume,
                                       const OperationResult &result)
{
    const HistoryEntry line = entry(operation, volume, result, QDateTime::currentDateTimeUtc());
    m_history.append(line);
    return line;
}

HistoryEntry OperationRecorder::recordStart(VolumeOperation operation, const Volume &volume)
{
    HistoryEntry line = entry(operation, volume, OperationResult{true, std::nullopt},
                              QDateTime::currentDateTimeUtc());
    line.state = QStringLiteral("started");
    m_history.append(line);
    return line;
}

HistoryEntry OperationRecorder::entry(VolumeOperation operation, const Volume &volume,
                                      const OperationResult &result, const QDateTime &date)
{
    HistoryEntry line;
    line.date = date;
    line.volumeName = volume.name;
    line.deviceName = volume.deviceName;
    line.operation = enumName(operation);
    line.ok = result.ok;
    line.detail = result.detail;
    if (!result.ok && result.error == OperationError::cancelled)
        line.state = QStringLiteral("cancelled");
    return line;
}
