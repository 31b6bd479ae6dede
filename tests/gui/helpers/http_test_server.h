#pragma once
// A tiny HTTP/1.1 server on the loopback interface, running on its own
// thread (the code under test blocks the GUI thread while it asks). Each
// path answers with a fixed status and body; unknown paths answer 404.

#include <QByteArray>
#include <QMap>
#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>

namespace qor::gui::test {

struct Answer {
    int status = 200;
    QByteArray body;
};

struct Request {
    QByteArray path;
    QByteArray accept;
};

class HttpTestServer : public QThread {
public:
    HttpTestServer();
    ~HttpTestServer() override;

    // "http://127.0.0.1:<port>/"
    QString BaseUrl() const;
    void SetAnswer(const QByteArray& path, Answer answer);
    QList<Request> Requests() const;

protected:
    void run() override;

private:
    mutable QMutex lock_;
    QMap<QByteArray, Answer> answers_;
    QList<Request> requests_;
    quint16 port_ = 0;
    QMutex ready_lock_;
    QWaitCondition started_;
    bool ready_ = false;
};

}  // namespace qor::gui::test
