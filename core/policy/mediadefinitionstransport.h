#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>
#include <qcoro/qcorotask.h>

// The outcome of one download: the body, or what went wrong.
struct MediaDefinitionsFetchResult {
    std::optional<QByteArray> body;
    QString error;

    static MediaDefinitionsFetchResult success(QByteArray body) { return {std::move(body), {}}; }
    static MediaDefinitionsFetchResult failure(QString error)
    {
        return {std::nullopt, std::move(error)};
    }
};

// How the definitions feed is downloaded.
class MediaDefinitionsTransport {
public:
    virtual ~MediaDefinitionsTransport() = default;
    virtual QCoro::Task<MediaDefinitionsFetchResult> fetchToken(QUrl url) = 0;
};
