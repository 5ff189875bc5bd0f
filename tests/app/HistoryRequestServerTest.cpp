// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/HistoryRequestServer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "OffscreenApp.h"
#include "TestFiles.h"
#include "mainwin/QtMessenger.h"

namespace {

namespace fs = std::filesystem;

// Runs the event loop until `done`, for at most a few seconds should the server never get there.
bool WaitUntil(const std::function<bool()>& done) {
    QTimer wake;
    wake.start(10);
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return done();
}

// A companion program in this process: its line goes out at once, the answer comes in while the
// event loop runs.
class Requester {
public:
    Requester(const fs::path& socket, const std::string& line) {
        socket_.connectToServer(QString::fromStdString(socket.string()));
        socket_.write(line.data(), static_cast<qint64>(line.size()));
        socket_.flush();
    }
    bool Answered() const { return socket_.canReadLine(); }
    bool Closed() const { return socket_.state() == QLocalSocket::UnconnectedState; }
    std::string Answer() {
        WaitUntil([this] { return Answered() || Closed(); });
        return socket_.readLine().toStdString();
    }

private:
    QLocalSocket socket_;
};

// A server on the socket of a settings file of its own, answering for a window.
class HistoryRequestServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        OffscreenApp();
        fs::permissions(runtime_.path(), fs::perms::owner_all);
        qputenv("XDG_RUNTIME_DIR", runtime_.path().string().c_str());
        window_ = std::make_unique<QWidget>();
        window_->show();
        messenger_.SetParent(window_.get());
    }
    void TearDown() override { qunsetenv("XDG_RUNTIME_DIR"); }

    std::unique_ptr<HistoryRequestServer> Listen(const std::string& settingsName,
                                                 int idleMs = HistoryRequestServer::kIdleMs) {
        auto server = std::make_unique<HistoryRequestServer>(messenger_, idleMs);
        EXPECT_EQ(server->Listen(work_.path() / settingsName),
                  HistoryRequestServer::Start::Listening)
            << server->problem().toStdString();
        return server;
    }
    fs::path Socket(const std::string& settingsName) const {
        return FindHistoryRequestSocket(work_.path() / settingsName).socket;
    }

    TempDir runtime_;
    TempDir work_;
    QtMessenger messenger_;
    std::unique_ptr<QWidget> window_;
};

// The window shows an error box for a timetable it cannot read. The requester has its answer
// before the box opens and may leave while it is open; a request while the box is open is
// answered "busy" at once and changes nothing under the box.
TEST_F(HistoryRequestServerTest, AnswersBeforeTheBoxAndBusyWhileItIsOpen) {
    const auto server = Listen("Kovaris.ini");
    int served = 0;
    server->Serve(window_.get(), [&](int) {
        ++served;
        messenger_.Show(L"KovarisWin(エラー)", L"TBLファイルの読み込みに失敗しました\n/x.TBL");
        return HistoryReply{HistoryOutcome::Failed, "/x.TBL"};
    });
    auto first = std::make_unique<Requester>(Socket("Kovaris.ini"), HistoryRequestLine(0));
    std::string firstAnswer;
    std::string secondAnswer;
    std::unique_ptr<Requester> second;
    int ticksWithBox = 0;
    QElapsedTimer sinceStart;
    sinceStart.start();
    // Runs inside the box's own event loop, as a person would act while it is open.
    QTimer person;
    QObject::connect(&person, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) {
            return;
        }
        if (first && (first->Answered() || ++ticksWithBox > 50)) {
            firstAnswer = first->Answered() ? first->Answer() : "";
            first.reset();  // the requester leaves while the box is open
            second = std::make_unique<Requester>(Socket("Kovaris.ini"), HistoryRequestLine(1));
        } else if (second && (second->Answered() || sinceStart.elapsed() > 8000)) {
            secondAnswer = second->Answer();
            box->close();
        } else if (sinceStart.elapsed() > 9000) {
            box->close();
        }
    });
    person.start(10);
    ASSERT_TRUE(WaitUntil([&] { return !secondAnswer.empty() || sinceStart.elapsed() > 9500; }));
    WaitUntil([] { return QApplication::activeModalWidget() == nullptr; });
    person.stop();

    EXPECT_EQ(firstAnswer, "failed /x.TBL\n");
    EXPECT_EQ(secondAnswer, "busy\n");
    EXPECT_EQ(served, 1);
    // With the box closed, requests are served again.
    Requester third(Socket("Kovaris.ini"), HistoryRequestLine(2));
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    closer.start(10);
    EXPECT_EQ(third.Answer(), "failed /x.TBL\n");
    WaitUntil([] { return QApplication::activeModalWidget() == nullptr; });
    EXPECT_EQ(served, 2);
}

// Connections are capped and idle ones closed, and one request is served per turn of the event
// loop, so that a flood neither closes the server nor stops the clock's timer.
TEST_F(HistoryRequestServerTest, AFloodIsCappedAndTheTimersRunBetweenRequests) {
    const auto server = Listen("Kovaris.ini", 2000);
    int ticks = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] { ++ticks; });
    clock.start(0);
    std::vector<int> ticksAtRequest;
    server->Serve(window_.get(), [&](int index) {
        ticksAtRequest.push_back(ticks);
        return HistoryReply{HistoryOutcome::Shown, std::to_string(index)};
    });

    std::vector<std::unique_ptr<Requester>> idle;
    for (int i = 0; i < HistoryRequestServer::kMaxConnections; ++i) {
        idle.push_back(std::make_unique<Requester>(Socket("Kovaris.ini"), ""));
    }
    Requester overCap(Socket("Kovaris.ini"), HistoryRequestLine(0));
    EXPECT_EQ(overCap.Answer(), "busy\n");
    EXPECT_TRUE(WaitUntil([&] {
        return std::all_of(idle.begin(), idle.end(), [](const auto& r) { return r->Closed(); });
    })) << "idle connections stay open";
    EXPECT_FALSE(idle.front()->Answered());

    ticksAtRequest.clear();
    std::vector<std::unique_ptr<Requester>> flood;
    for (int i = 0; i < HistoryRequestServer::kMaxConnections; ++i) {
        flood.push_back(std::make_unique<Requester>(Socket("Kovaris.ini"), HistoryRequestLine(i)));
    }
    for (int i = 0; i < HistoryRequestServer::kMaxConnections; ++i) {
        EXPECT_EQ(flood[static_cast<std::size_t>(i)]->Answer(),
                  "shown " + std::to_string(i) + "\n");
    }
    ASSERT_EQ(ticksAtRequest.size(), flood.size());
    for (std::size_t i = 1; i < ticksAtRequest.size(); ++i) {
        EXPECT_LT(ticksAtRequest[i - 1], ticksAtRequest[i]) << "request " << i;
    }
}

}  // namespace
