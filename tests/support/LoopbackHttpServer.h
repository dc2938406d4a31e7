#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTcpServer>

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

    // The paths asked for, in order.
    const QStringList& requests() const { return requests_; }

private:
    struct Answer {
        QByteArray body;
        qint64 declaredLength;
    };
    void answer(QTcpSocket* socket);

    QTcpServer server_;
    QMap<QString, Answer> answers_;
    QStringList requests_;
};

// A base address where nothing listens (a port that was just free).
QString UnusedLoopbackBase();
