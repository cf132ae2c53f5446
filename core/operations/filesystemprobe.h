#pragma once

#include <QCoro/QCoroTask>
#include <QString>
#include <optional>

// What a device holds, read from the device itself at the moment of asking.
struct ProbedFileSystem {
    // Empty when the device holds no recognisable file system.
    QString type;
    QString label;

    bool operator==(const ProbedFileSystem &) const = default;
};

class FileSystemProbe {
public:
    virtual ~FileSystemProbe() = default;

    // None when the device could not be read at all.
    virtual QCoro::Task<std::optional<ProbedFileSystem>> probe(QString deviceName) = 0;
};
