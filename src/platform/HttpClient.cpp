#include "HttpClient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

bool HttpGet(const QUrl& url, int timeoutMs, QByteArray* body, QString* error) {
    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(url)));

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    timer.start(timeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QString reason;
    if (timedOut)
        reason = QStringLiteral("连接超时 (%1 ms): %2").arg(timeoutMs).arg(url.toString());
    else if (reply->error() != QNetworkReply::NoError)
        reason = reply->errorString();
    else if (status >= 400)
        reason = QStringLiteral("HTTP %1").arg(status);
    if (!reason.isEmpty()) {
        if (error) *error = reason;
        return false;
    }
    if (body) *body = reply->readAll();
    return true;
}
