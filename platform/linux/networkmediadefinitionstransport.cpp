#include "networkmediadefinitionstransport.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <memory>
#include <qcoro/qcoronetworkreply.h>

NetworkMediaDefinitionsTransport::NetworkMediaDefinitionsTransport(
    std::chrono::milliseconds timeout)
    : m_network(new QNetworkAccessManager), m_timeout(timeout)
{
}

NetworkMediaDefinitionsTransport::~NetworkMediaDefinitionsTransport()
{
    delete m_network;
}

QCoro::Task<MediaDefinitionsFetchResult> NetworkMediaDefinitionsTransport::fetchToken(QUrl url)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(int(m_timeout.count()));
    std::unique_ptr<QNetworkReply, void (*)(QNetworkReply *)> reply(
        m_network->get(request), [](QNetworkReply *r) { r->deleteLater(); });
    co_await reply.get();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299))
        co_return MediaDefinitionsFetchResult::failure(
            QStringLiteral("bad server response: HTTP status %1").arg(status.toInt()));
    if (reply->error() == QNetworkReply::OperationCanceledError)
        co_return MediaDefinitionsFetchResult::failure(
            QStringLiteral("the request timed out after %1 ms").arg(m_timeout.count()));
    if (reply->error() != QNetworkReply::NoError)
        co_return MediaDefinitionsFetchResult::failure(reply->errorString());
    co_return MediaDefinitionsFetchResult::success(reply->readAll());
}
