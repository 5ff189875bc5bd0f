// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>

#include "catalogue/HistoryRequest.h"

class ListeningSocket;
class QLocalSocket;
class QSocketNotifier;
class QWidget;
class QtMessenger;

// Answers companion programs on the socket of one settings file for the whole run, whichever
// window is up: it shows entries of the shared history and brings the window to the front.
// Nothing may change the board under an open box: while one is open, or while a request is
// served, requests are answered "busy" at once; a box that serving asks for opens only after
// the answer has gone out. A flood of requests cannot stop the clock: connections are capped,
// idle ones closed, and one request is served per turn of the event loop.
class HistoryRequestServer : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<HistoryReply(int index)>;
    enum class Start { Listening, AnotherWindow, Unavailable };

    static constexpr int kMaxConnections = 16;
    static constexpr int kIdleMs = 3000;

    // `idleMs`: how long a connection may stay without a whole request.
    explicit HistoryRequestServer(QtMessenger& messenger, int idleMs = kIdleMs,
                                  QObject* parent = nullptr);
    ~HistoryRequestServer() override;

    // AnotherWindow when a window already works on `settingsFile`; Unavailable, with the
    // reason in problem(), when there is no socket to listen on.
    Start Listen(const std::filesystem::path& settingsFile);
    const QString& problem() const { return problem_; }
    // Asks the window that works on the settings file to come to the front; false, after
    // saying why on stderr, when it does not answer.
    bool RaiseRunningWindow() const;

    // From now on `window` answers: `handler` shows the entries, and the window is raised.
    void Serve(QWidget* window, Handler handler);

private:
    struct Waiting {
        QPointer<QLocalSocket> socket;
        int index = 0;
    };

    void AcceptWaiting();
    void Take(int fd);
    void Read(QLocalSocket* socket);
    void ServeNext();
    int OpenConnections() const;
    bool Busy() const;
    void Raise();
    static void Answer(QLocalSocket* socket, const HistoryReply& reply);

    QtMessenger& messenger_;
    int idleMs_;
    std::filesystem::path settingsFile_;
    HistoryRequestSocket place_;
    std::unique_ptr<ListeningSocket> listener_;
    QSocketNotifier* notifier_ = nullptr;
    QPointer<QWidget> window_;
    Handler handler_;
    std::deque<Waiting> waiting_;
    QTimer serveTimer_;
    QString problem_;
    bool serving_ = false;
};
