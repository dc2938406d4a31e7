#include "LoopbackHttpServer.h"

#include <QTcpSocket>

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

void LoopbackHttpServer::answer(QTcpSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> line = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = QString::fromLatin1(line.value(1));
    requests_ << path;

    QByteArray response;
    const auto found = answers_.constFind(path);
    if (found == answers_.constEnd()) {
        const QByteArray body = "Not Found";
        response = "HTTP/1.1 404 Not Found\r\nContent-Length: " + QByteArray::number(body.size())
                   + "\r\nConnection: close\r\n\r\n" + body;
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
