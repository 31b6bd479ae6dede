#include "helpers/http_test_server.h"

#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>

namespace qor::gui::test {
namespace {

QByteArray Reason(int status) { return status == 200 ? "OK" : status == 404 ? "Not Found" : "Status"; }

}  // namespace

HttpTestServer::HttpTestServer() {
    QMutexLocker locker(&ready_lock_);
    start();
    while (!ready_) started_.wait(&ready_lock_);
}

HttpTestServer::~HttpTestServer() {
    quit();
    wait();
}

QString HttpTestServer::BaseUrl() const { return QString("http://127.0.0.1:%1/").arg(port_); }

void HttpTestServer::SetAnswer(const QByteArray& path, Answer answer) {
    QMutexLocker locker(&lock_);
    answers_[path] = std::move(answer);
}

QList<Request> HttpTestServer::Requests() const {
    QMutexLocker locker(&lock_);
    return requests_;
}

void HttpTestServer::run() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                const QByteArray received = socket->peek(64 * 1024);
                if (!received.contains("\r\n\r\n")) return;  // the request's head is not complete yet
                socket->readAll();
                const QList<QByteArray> lines = received.left(received.indexOf("\r\n\r\n")).split('\n');
                Request request;
                request.path = lines.value(0).split(' ').value(1);
                for (const QByteArray& line : lines) {
                    if (line.toLower().startsWith("accept:")) request.accept = line.mid(7).trimmed();
                }
                Answer answer{404, "not found"};
                {
                    QMutexLocker locker(&lock_);
                    requests_ << request;
                    answer = answers_.value(request.path, answer);
                }
                socket->write("HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + Reason(answer.status) +
                              "\r\nContent-Length: " + QByteArray::number(answer.body.size()) +
                              "\r\nConnection: close\r\n\r\n" + answer.body);
                socket->disconnectFromHost();
            });
        }
    });
    {
        QMutexLocker locker(&ready_lock_);
        port_ = server.serverPort();
        ready_ = true;
        started_.wakeAll();
    }
    exec();
}

}  // namespace qor::gui::test
