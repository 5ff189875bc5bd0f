#include "ShowHistoryCommand.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstring>
#include <ostream>

namespace {

// A connected socket closed when it goes out of scope.
class Connection {
public:
    explicit Connection(const std::string& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (path.size() >= sizeof(address.sun_path)) {
            return;
        }
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd_ >= 0 &&
            connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
            close(fd_);
            fd_ = -1;
        }
        if (fd_ >= 0) {
            // A window busy with a message box answers late, but a hung one must not hang us.
            const timeval timeout{10, 0};
            setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
        }
    }
    ~Connection() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool ok() const { return fd_ >= 0; }

    bool Send(const std::string& line) const {
        // A window that went away must give an error, not end the program with SIGPIPE.
        return send(fd_, line.data(), line.size(), MSG_NOSIGNAL) ==
               static_cast<ssize_t>(line.size());
    }

    // Everything up to the first line end or the end of the stream.
    std::string ReceiveLine() const {
        std::string line;
        char c = 0;
        while (line.size() < 4096 && read(fd_, &c, 1) == 1) {
            line.push_back(c);
            if (c == '\n') {
                break;
            }
        }
        return line;
    }

private:
    int fd_ = -1;
};

}  // namespace

HistoryExchange SendHistoryRequest(const std::string& socketPath, int index) {
    HistoryExchange exchange;
    const Connection connection(socketPath);
    exchange.connected = connection.ok();
    if (exchange.connected && connection.Send(HistoryRequestLine(index))) {
        exchange.reply = ParseHistoryReply(connection.ReceiveLine());
    }
    return exchange;
}

void AddShowHistoryCommand(CLI::App& app, std::ostream& out, std::ostream& err, int& status) {
    auto index = std::make_shared<int>(0);
    CLI::App* command = app.add_subcommand(
        "show-history", "Ask the running KovarisWin window to show an entry of the shared history");
    command->add_option("N", *index, "the entry's place in KovarisHstWin.ini, counted from 0")
        ->required()
        ->check(CLI::NonNegativeNumber);
    command->callback([index, &out, &err, &status] {
        const HistoryExchange exchange = SendHistoryRequest(HistoryRequestSocketPath(), *index);
        const auto& reply = exchange.reply;
        if (!exchange.connected) {
            err << "kovaris: no KovarisWin window is running\n";
            status = 1;
        } else if (!reply) {
            err << "kovaris: the KovarisWin window did not answer (is a message box open?)\n";
            status = 1;
        } else if (reply->outcome == HistoryOutcome::Shown) {
            out << "shown: " << reply->path << "\n";
            status = 0;
        } else if (reply->outcome == HistoryOutcome::Failed) {
            err << "kovaris: the window could not read " << reply->path << "\n";
            status = 1;
        } else {
            err << "kovaris: the history has no entry " << *index << "\n";
            status = 1;
        }
    });
}
