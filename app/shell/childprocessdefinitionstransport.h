#pragma once

#include "policy/mediadefinitionstransport.h"

#include <QString>
#include <chrono>

// Downloads the feed in a short-lived child process, the program itself started with
// `childArgument`: the network stack and TLS, once loaded, would stay resident in the tray
// program for the whole session for a download that happens at most once a day.
class ChildProcessDefinitionsTransport : public MediaDefinitionsTransport {
public:
    static constexpr char childArgument[] = "--fetch-media-definitions";

    explicit ChildProcessDefinitionsTransport(
        QString program = QStringLiteral("/proc/self/exe"),
        std::chrono::milliseconds limit = std::chrono::minutes(2));

    QCoro::Task<MediaDefinitionsFetchResult> fetchToken(QUrl url) override;

    // `program childArgument URL`
    static bool isChildInvocation(int argc, char **argv);
    // The child's side: fetches the URL and writes the body (exit status 0) or the reason of
    // the failure (status 1) to its standard output.
    static int runChild(int &argc, char **argv);

private:
    QString m_program;
    // The child has the transfer timeout of the network transport; this only ends a child
    // that hangs outside it.
    std::chrono::milliseconds m_limit;
};
