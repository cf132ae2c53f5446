#pragma once

#include "policy/mediadefinitionstransport.h"

#include <chrono>

class QNetworkAccessManager;

// One GET of the feed; a status outside 200-299 is a failure, as is no answer in time.
class NetworkMediaDefinitionsTransport : public MediaDefinitionsTransport {
public:
    explicit NetworkMediaDefinitionsTransport(
        std::chrono::milliseconds timeout = std::chrono::seconds(15));
    ~NetworkMediaDefinitionsTransport() override;

    QCoro::Task<MediaDefinitionsFetchResult> fetchToken(QUrl url) override;

private:
    QNetworkAccessManager *m_network;
    std::chrono::milliseconds m_timeout;
};
