#include "mainwin/HistoryRequestServer.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kLineLimit = 256;

QString SocketName() {
    return QString::fromStdString(HistoryRequestSocketPath());
}

// Whether a window of this user's already answers on the socket.
bool AnotherWindowAnswers() {
    QLocalSocket probe;
    probe.connectToServer(SocketName());
    return probe.waitForConnected(200);
}

}  // namespace

HistoryRequestServer::HistoryRequestServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &HistoryRequestServer::Accept);
}

HistoryRequestServer::~HistoryRequestServer() {
    server_->close();
}

bool HistoryRequestServer::Listen() {
    if (server_->listen(SocketName())) {
        return true;
    }
    // A socket file left by a window that ended abnormally is taken over.
    if (server_->serverError() != QAbstractSocket::AddressInUseError || AnotherWindowAnswers()) {
        return false;
    }
    QLocalServer::removeServer(SocketName());
    return server_->listen(SocketName());
}

void HistoryRequestServer::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Answer(socket); });
    }
}

void HistoryRequestServer::Answer(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kLineLimit) {
            socket->abort();
        }
        return;
    }
    const QByteArray line = socket->readLine(kLineLimit);
    HistoryReply reply;
    if (const auto index = ParseHistoryRequest(line.toStdString())) {
        reply = handler_(*index);
    }
    socket->write(QByteArray::fromStdString(HistoryReplyLine(reply)));
    socket->disconnectFromServer();
}
