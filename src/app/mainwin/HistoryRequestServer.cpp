// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/HistoryRequestServer.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "files/ListeningSocket.h"
#include "mainwin/BringToFront.h"
#include "mainwin/QtMessenger.h"

namespace {

constexpr int kLineLimit = 256;
constexpr int kAcceptsPerTurn = 8;

}  // namespace

HistoryRequestServer::HistoryRequestServer(QtMessenger& messenger, int idleMs, QObject* parent)
    : QObject(parent), messenger_(messenger), idleMs_(idleMs) {
    // A timer, not a posted call: all due timers, the clock's among them, run in each turn.
    serveTimer_.setSingleShot(true);
    serveTimer_.setInterval(0);
    connect(&serveTimer_, &QTimer::timeout, this, &HistoryRequestServer::ServeNext);
}

HistoryRequestServer::~HistoryRequestServer() {
    delete notifier_;  // before the listening socket it watches is closed
}

HistoryRequestServer::Start HistoryRequestServer::Listen(
    const std::filesystem::path& settingsFile) {
    settingsFile_ = settingsFile;
    place_ = FindHistoryRequestSocket(settingsFile);
    if (place_.socket.empty()) {
        problem_ = QString::fromStdString(place_.problem);
    } else {
        listener_ = std::make_unique<ListeningSocket>(place_.socket, place_.lock);
        problem_ = QString::fromStdString(listener_->problem());
    }
    if (listener_ && listener_->state() == ListeningSocket::State::Listening) {
        notifier_ = new QSocketNotifier(listener_->fd(), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &HistoryRequestServer::AcceptWaiting);
        return Start::Listening;
    }
    const bool held = listener_ && listener_->state() == ListeningSocket::State::HeldElsewhere;
    listener_.reset();
    if (held) {
        return Start::AnotherWindow;
    }
    problem_ = tr("他のプログラムからの表示要求を受け付けられません: %1").arg(problem_);
    return Start::Unavailable;
}

bool HistoryRequestServer::RaiseRunningWindow() const {
    // The window that holds the lock may not be listening yet: it takes both in one go at start.
    constexpr int kAttempts = 20;
    RequestExchange exchange;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        exchange = ExchangeRequest(place_.socket, RaiseRequestLine());
        if (exchange.connection != LocalConnection::State::NoListener) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (exchange.connection == LocalConnection::State::Connected && exchange.reply) {
        return true;
    }
    std::fprintf(stderr, "kovariswin: a window already works on %s but does not answer\n",
                 settingsFile_.c_str());
    return false;
}

void HistoryRequestServer::Serve(QWidget* window, Handler handler) {
    window_ = window;
    handler_ = std::move(handler);
}

void HistoryRequestServer::AcceptWaiting() {
    // The rest waits for the next turn, so that a flood of connections cannot hold the loop.
    for (int accepted = 0; accepted < kAcceptsPerTurn; ++accepted) {
        const int fd = listener_->Accept();
        if (fd < 0) {
            return;
        }
        Take(fd);
    }
}

void HistoryRequestServer::Take(int fd) {
    if (OpenConnections() >= kMaxConnections) {
        const std::string busy = HistoryReplyLine({HistoryOutcome::Busy, {}});
        send(fd, busy.data(), busy.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        close(fd);
        return;
    }
    auto* socket = new QLocalSocket(this);
    if (!socket->setSocketDescriptor(fd)) {
        close(fd);
        delete socket;
        return;
    }
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
    QTimer::singleShot(idleMs_, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
}

void HistoryRequestServer::Read(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kLineLimit) {
            socket->abort();
        }
        return;
    }
    // One request per connection.
    disconnect(socket, &QLocalSocket::readyRead, nullptr, nullptr);
    const std::string line = socket->readLine(kLineLimit).toStdString();
    if (IsRaiseRequest(line)) {
        Raise();
        Answer(socket, {HistoryOutcome::Raised, {}});
        return;
    }
    const std::optional<int> index = ParseHistoryRequest(line);
    if (!index) {
        Answer(socket, {});
    } else if (Busy()) {
        Answer(socket, {HistoryOutcome::Busy, {}});
    } else {
        waiting_.push_back({socket, *index});
        serveTimer_.start();
    }
}

void HistoryRequestServer::ServeNext() {
    // One request per turn, so that the clock's timer runs between requests.
    if (waiting_.empty()) {
        return;
    }
    const Waiting next = waiting_.front();
    waiting_.pop_front();
    if (!waiting_.empty()) {
        serveTimer_.start();
    }
    if (Busy()) {
        Answer(next.socket, {HistoryOutcome::Busy, {}});
        return;
    }
    // A requester that sent its line and left without waiting for the answer is served too.
    HistoryReply reply;
    serving_ = true;
    {
        const QtMessenger::Deferral boxesAfterTheAnswer(messenger_);
        reply = handler_(next.index);
    }
    serving_ = false;
    Answer(next.socket, reply);
}

int HistoryRequestServer::OpenConnections() const {
    // Closed ones may wait for their deferred delete; they no longer count.
    const QList<QLocalSocket*> sockets = findChildren<QLocalSocket*>(Qt::FindDirectChildrenOnly);
    return static_cast<int>(std::count_if(sockets.begin(), sockets.end(), [](const auto* s) {
        return s->state() != QLocalSocket::UnconnectedState;
    }));
}

bool HistoryRequestServer::Busy() const {
    if (serving_ || window_ == nullptr || !handler_) {
        return true;
    }
    const QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && modal != window_;
}

void HistoryRequestServer::Raise() {
    if (window_ != nullptr) {
        BringToFront(*window_);
    }
}

void HistoryRequestServer::Answer(QLocalSocket* socket, const HistoryReply& reply) {
    if (socket == nullptr) {
        return;
    }
    socket->write(QByteArray::fromStdString(HistoryReplyLine(reply)));
    socket->flush();
    socket->disconnectFromServer();
}
