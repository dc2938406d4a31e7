#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTcpServer>

#include <functional>

// A small HTTP server on 127.0.0.1 for tests of downloads: it answers GET requests from a table of
// paths, and 404 for any other path. It runs on the test's own thread, so it answers while the
// code under test waits in its event loop.
class LoopbackHttpServer : public QObject {
public:
    LoopbackHttpServer();

    // The base address, "http://127.0.0.1:PORT".
    QString base() const;

    // Serves body at path. A declaredLength above the body's size announces more than is sent,
    // and the connection closes after the body: a transfer cut short.
    void serve(const QString& path, const QByteArray& body, qint64 declaredLength = -1);
    // Serves body as an HTTP/1.0 server may: without a length, closing the connection after it.
    void serveWithoutLength(const QString& path, const QByteArray& body);
    // Sends chunk after chunk without a length, one every intervalMilliseconds, until the client
    // goes away (at most maxChunks, so that the server always stops by itself).
    void serveEndless(const QString& path, const QByteArray& chunk, int intervalMilliseconds, int maxChunks = 100000);
    // Answers 302 with the location.
    void redirect(const QString& path, const QString& location);

    // Called with the path of each request as it arrives.
    std::function<void(const QString& path)> onRequest;

    // The paths asked for, in order.
    const QStringList& requests() const { return requests_; }

private:
    enum class Kind { Whole, WithoutLength, Endless, Redirect };
    struct Answer {
        QByteArray body;
        qint64 declaredLength = 0;
        Kind kind = Kind::Whole;
        int intervalMilliseconds = 0;
        int maxChunks = 0;
    };
    void answer(QTcpSocket* socket);
    void trickle(QTcpSocket* socket, const Answer& answer);

    QTcpServer server_;
    QMap<QString, Answer> answers_;
    QStringList requests_;
};

// A base address where nothing listens (a port that was just free).
QString UnusedLoopbackBase();
