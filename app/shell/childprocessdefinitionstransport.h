#pragma once

#include "policy/mediadefinitionstransport.h"

#include <QString>
#include <chrono>

// Downloads the feed in a short-lived child process, the helper quillmere-fetch-definitions
// started with `childArgument URL`: the network stack and TLS, once loaded, would stay resident
// in the tray program for the whole session for a download that happens at most once a day.
class ChildProcessDefinitionsTransport : public MediaDefinitionsTransport {
public:
    static constexpr char childArgument[] = "--fetch-media-definitions";

    explicit ChildProcessDefinitionsTransport(
        QString program = defaultProgram(),
        std::chrono::milliseconds limit = std::chrono::minutes(2));

    QCoro::Task<MediaDefinitionsFetchResult> fetchToken(QUrl url) override;

    // The helper beside the running program (a build, an AppImage's bin folder), else in
    // ../libexec/quillmere/ from it (an installed program).
    static QString defaultProgram();

private:
    QString m_program;
    // The child has the transfer timeout of the network transport; this only ends a child
    // that hangs outside it.
    std::chrono::milliseconds m_limit;
};
