// quillmere-fetch-definitions: the download of the media definitions, in a process of its own.
// The tray program starts it at most once a day (ChildProcessDefinitionsTransport), so that the
// network stack and TLS are never loaded into the program that stays resident all session.
//   quillmere-fetch-definitions --fetch-media-definitions URL
// Writes the body to standard output (exit status 0), or the reason of the failure (status 1).
#include "networkmediadefinitionstransport.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc != 3 || std::strcmp(argv[1], "--fetch-media-definitions") != 0) {
        std::fputs("usage: quillmere-fetch-definitions --fetch-media-definitions URL\n", stderr);
        return 2;
    }
    QCoreApplication app(argc, argv);
    NetworkMediaDefinitionsTransport transport;
    const MediaDefinitionsFetchResult result =
        QCoro::waitFor(transport.fetchToken(QUrl::fromEncoded(QByteArray(argv[2]))));

    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 2;
    const QByteArray bytes = result.body ? *result.body : result.error.toUtf8();
    if (out.write(bytes) != bytes.size() || !out.flush())
        return 2;
    return result.body ? 0 : 1;
}
