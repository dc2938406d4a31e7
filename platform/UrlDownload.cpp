#include "platform/UrlDownload.h"

#include "platform/FileReplacement.h"

#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <utility>

namespace {

constexpr int kMaxRedirects = 5;

bool IsThisMachine(const QString& host)
{
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QString Seconds(int milliseconds)
{
    const int seconds = (milliseconds + 999) / 1000;
    return seconds == 1 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(seconds);
}

// The transfer under way, for CancelDownload.
struct Transfer {
    QPointer<QNetworkReply> reply;
    QString problem;
    bool cancelled = false;

    void stop(const QString& why)
    {
        if (problem.isEmpty())
            problem = why;
        if (reply && reply->isRunning())
            reply->abort();
    }
};

Transfer*& Current()
{
    static Transfer* current = nullptr;
    return current;
}

// What is wrong with a body that arrived to its end, or an empty text.
QString CheckWhole(const DownloadLimits& limits, const QVariant& declared, qint64 received, const QByteArray& sha256)
{
    if (declared.isValid() && declared.toLongLong() != received)
        return QStringLiteral("only %1 of the %2 bytes announced arrived.").arg(received).arg(declared.toLongLong());
    if (limits.expectedSize >= 0 && limits.expectedSize != received)
        return QStringLiteral("%1 bytes arrived where %2 were expected.").arg(received).arg(limits.expectedSize);
    if (!limits.expectedSha256.isEmpty() && limits.expectedSha256 != sha256)
        return QStringLiteral("the file does not match its SHA-256 checksum.");
    if (limits.lengthRequired && received == 0)
        return QStringLiteral("the file is empty.");
    if (limits.lengthRequired && !declared.isValid() && limits.expectedSize < 0)
        return QStringLiteral("the server did not say how long the file is, so it cannot be known to be whole.");
    return {};
}

} // namespace

bool IsDownloadableAddress(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QStringLiteral("https") || (scheme == QStringLiteral("http") && IsThisMachine(url.host()));
}

void CancelDownload()
{
    if (Transfer* transfer = Current()) {
        transfer->cancelled = true;
        transfer->stop(QStringLiteral("the transfer was cancelled."));
    }
}

DownloadOutcome DownloadFile(const QUrl& url, const QString& fileName, const DownloadLimits& limits)
{
    DownloadOutcome outcome;
    const QString address = url.toDisplayString();
    const auto fail = [&](const QString& why) {
        outcome.problem = address + QStringLiteral(": ") + why;
        return outcome;
    };
    if (!IsDownloadableAddress(url))
        return fail(QStringLiteral("only https addresses, or http on this computer, are fetched."));
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return fail(QStringLiteral("the folder of %1 cannot be created.").arg(fileName));
    FileReplacement part(fileName);
    const auto writeFailure = [&] {
        return QStringLiteral("%1 cannot be written: %2.").arg(fileName, part.errorString());
    };
    if (!part.open())
        return fail(writeFailure());

    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setTransferTimeout(limits.stallMilliseconds);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    const std::unique_ptr<QNetworkReply> reply(network.get(request));

    Transfer transfer;
    transfer.reply = reply.get();
    Transfer* const outer = std::exchange(Current(), &transfer);
    QCryptographicHash sha256(QCryptographicHash::Sha256);
    qint64 received = 0;

    int redirects = 0;
    QObject::connect(reply.get(), &QNetworkReply::redirected, reply.get(), [&](const QUrl& target) {
        ++redirects;
        if (IsDownloadableAddress(target))
            emit reply->redirectAllowed();
        else
            transfer.stop(QStringLiteral("the server sent the transfer on to %1, which is neither https nor this computer.")
                              .arg(target.toDisplayString()));
    });
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, reply.get(), [&] {
        const QVariant declared = reply->header(QNetworkRequest::ContentLengthHeader);
        if (declared.isValid() && declared.toLongLong() > limits.maxBytes)
            transfer.stop(QStringLiteral("the file announced is %1 bytes long, more than the %2 allowed.")
                              .arg(declared.toLongLong())
                              .arg(limits.maxBytes));
    });
    const auto take = [&] {
        if (!reply->isOpen())
            return; // aborted
        const QByteArray chunk = reply->readAll();
        if (chunk.isEmpty() || !transfer.problem.isEmpty())
            return;
        if (received + chunk.size() > limits.maxBytes) {
            transfer.stop(QStringLiteral("the file is longer than the %1 bytes allowed.").arg(limits.maxBytes));
            return;
        }
        received += chunk.size();
        sha256.addData(chunk);
        if (!part.write(chunk))
            transfer.stop(writeFailure());
    };
    QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), take);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply.get(), [&] {
        transfer.stop(QStringLiteral("the transfer did not end within %1.").arg(Seconds(limits.deadlineMilliseconds)));
    });
    deadline.start(limits.deadlineMilliseconds);

    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    take();
    Current() = outer;

    outcome.cancelled = transfer.cancelled;
    if (!transfer.problem.isEmpty())
        return fail(transfer.problem);
    // Only the stall timer aborts a transfer without saying why.
    if (reply->error() == QNetworkReply::OperationCanceledError)
        return fail(QStringLiteral("nothing arrived for %1.").arg(Seconds(limits.stallMilliseconds)));
    // A transfer sent round in a circle ends with no error and no final answer of its own.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool unanswered = status.toInt() < 200 || (status.toInt() >= 300 && status.toInt() < 400);
    if (reply->error() == QNetworkReply::TooManyRedirectsError || (redirects > 0 && unanswered))
        return fail(QStringLiteral("the server redirected the transfer too often."));
    if (status.isValid() && status.toInt() != 200)
        return fail(QStringLiteral("the server answered %1 %2.")
                        .arg(status.toInt())
                        .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
    if (reply->error() != QNetworkReply::NoError)
        return fail(reply->errorString());
    const QString incomplete = CheckWhole(limits, reply->header(QNetworkRequest::ContentLengthHeader), received,
                                          sha256.result().toHex());
    if (!incomplete.isEmpty())
        return fail(incomplete);
    if (!part.commit())
        return fail(writeFailure());
    outcome.done = true;
    return outcome;
}
