#include "LoopbackHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>

LoopbackHttpServer::LoopbackHttpServer()
{
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

QString LoopbackHttpServer::base() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
}

void LoopbackHttpServer::serve(const QString& path, const QByteArray& body, qint64 declaredLength)
{
    answers_[path] = {body, declaredLength < 0 ? body.size() : declaredLength};
}

void LoopbackHttpServer::serveWithoutLength(const QString& path, const QByteArray& body)
{
    answers_[path] = {body, 0, Kind::WithoutLength};
}

void LoopbackHttpServer::serveEndless(const QString& path, const QByteArray& chunk, int intervalMilliseconds, int maxChunks)
{
    answers_[path] = {chunk, 0, Kind::Endless, intervalMilliseconds, maxChunks};
}

void LoopbackHttpServer::redirect(const QString& path, const QString& location)
{
    answers_[path] = {location.toUtf8(), 0, Kind::Redirect};
}

void LoopbackHttpServer::trickle(QTcpSocket* socket, const Answer& answer)
{
    socket->write("HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n");
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, sent, answer] {
        if (socket->state() != QAbstractSocket::ConnectedState || ++*sent > answer.maxChunks) {
            timer->stop();
            socket->disconnectFromHost();
            return;
        }
        // Sends no faster than the client reads, as a real server would.
        if (socket->bytesToWrite() < 1 << 20)
            socket->write(answer.body);
    });
    timer->start(answer.intervalMilliseconds);
}

void LoopbackHttpServer::answer(QTcpSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> line = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = QString::fromLatin1(line.value(1));
    requests_ << path;
    if (onRequest)
        onRequest(path);

    QByteArray response;
    const auto found = answers_.constFind(path);
    if (found != answers_.constEnd() && found->kind == Kind::Endless) {
        trickle(socket, *found);
        return;
    }
    if (found == answers_.constEnd()) {
        const QByteArray body = "Not Found";
        response = "HTTP/1.1 404 Not Found\r\nContent-Length: " + QByteArray::number(body.size())
                   + "\r\nConnection: close\r\n\r\n" + body;
    } else if (found->kind == Kind::WithoutLength) {
        response = "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n" + found->body;
    } else if (found->kind == Kind::Redirect) {
        response = "HTTP/1.1 302 Found\r\nLocation: " + found->body + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    } else {
        response = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: "
                   + QByteArray::number(found->declaredLength) + "\r\nConnection: close\r\n\r\n" + found->body;
    }
    socket->write(response);
    socket->disconnectFromHost();
}

QString UnusedLoopbackBase()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}
