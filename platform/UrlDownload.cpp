#include "platform/UrlDownload.h"

#include "platform/FileReplacement.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <memory>

namespace {

bool IsThisMachine(const QString& host)
{
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace

bool IsDownloadableAddress(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QStringLiteral("https") || (scheme == QStringLiteral("http") && IsThisMachine(url.host()));
}

bool DownloadFile(const QUrl& url, const QString& fileName, int timeoutMilliseconds)
{
    if (!IsDownloadableAddress(url))
        return false;
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    FileReplacement file(fileName);
    if (!file.open())
        return false;

    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMilliseconds);
    // A redirect may not leave https for plain http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    const std::unique_ptr<QNetworkReply> reply(network.get(request));

    bool written = true;
    qint64 received = 0;
    QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), [&] {
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        if (written && !file.write(chunk))
            written = false;
    });
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    const QByteArray rest = reply->readAll();
    received += rest.size();
    if (written && !file.write(rest))
        written = false;

    const QVariant declared = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool whole = !declared.isValid() || declared.toLongLong() == received;
    return reply->error() == QNetworkReply::NoError && written && whole && file.commit();
}
