#pragma once

#include <QObject>
#include <functional>

#include "catalogue/HistoryRequest.h"

class QLocalServer;
class QLocalSocket;

// Listens on this user's local socket for companion programs asking the window to show an
// entry of the shared history, and answers each request with what happened.
class HistoryRequestServer : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<HistoryReply(int index)>;
    HistoryRequestServer(Handler handler, QObject* parent = nullptr);
    ~HistoryRequestServer() override;

    // False when another running window already answers on the socket.
    bool Listen();

private:
    void Accept();
    void Answer(QLocalSocket* socket);

    Handler handler_;
    QLocalServer* server_ = nullptr;
};
