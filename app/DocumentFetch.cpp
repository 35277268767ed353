#include "app/DocumentFetch.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace {

// A handful is plenty for a moved document; a loop ends here, not at Qt's 50.
constexpr int MaxRedirects = 5;

QString sizeText(qint64 bytes)
{
    return bytes % (1024 * 1024) == 0 ? QStringLiteral("%1 MB").arg(bytes / (1024 * 1024))
                                      : QStringLiteral("%1 bytes").arg(bytes);
}

}

QByteArray DocumentFetch::fetch(const QString &url, int timeoutMs, qint64 maxBytes)
{
    const QUrl address(url);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        throw FetchError(QStringLiteral("Cannot fetch %1: not an http or https address").arg(url));

    QNetworkAccessManager manager;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    enum class Cut { None, TimedOut, TooLarge } cut = Cut::None;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply.get(), [&] {
        cut = Cut::TimedOut;
        reply->abort();
    });
    // Both a declared length and the bytes actually arriving count.
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(), [&](qint64 received, qint64 total) {
        if (cut == Cut::None && (received > maxBytes || total > maxBytes)) {
            cut = Cut::TooLarge;
            reply->abort();
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();

    switch (cut) {
    case Cut::TimedOut:
        throw FetchError(QStringLiteral("Cannot fetch %1: no complete answer within %2 seconds")
                             .arg(url, QString::number(timeoutMs / 1000.0)));
    case Cut::TooLarge:
        throw FetchError(QStringLiteral("Cannot fetch %1: the document is larger than %2").arg(url, sizeText(maxBytes)));
    case Cut::None:
        break;
    }
    if (reply->error() == QNetworkReply::TooManyRedirectsError || reply->error() == QNetworkReply::InsecureRedirectError)
        throw FetchError(QStringLiteral("Cannot fetch %1: %2").arg(url, reply->errorString()));
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        const QString phrase = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        throw FetchError(QStringLiteral("Cannot fetch %1: the server answered %2 %3")
                             .arg(url, QString::number(status.toInt()), phrase)
                             .trimmed());
    }
    if (reply->error() != QNetworkReply::NoError)
        throw FetchError(QStringLiteral("Cannot fetch %1: %2").arg(url, reply->errorString()));
    const QByteArray body = reply->readAll();
    if (body.size() > maxBytes)
        throw FetchError(QStringLiteral("Cannot fetch %1: the document is larger than %2").arg(url, sizeText(maxBytes)));
    return body;
}
