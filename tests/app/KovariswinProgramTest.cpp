// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "TestFiles.h"
#include "catalogue/HistoryRequest.h"

namespace {

namespace fs = std::filesystem;

QString Text(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// The program as a person starts it, in `folder`, with its own runtime folder for sockets.
class KovariswinProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::permissions(runtime_.path(), fs::perms::owner_all);
        qputenv("XDG_RUNTIME_DIR", runtime_.path().string().c_str());
    }
    void TearDown() override {
        for (const auto& process : started_) {
            process->kill();
            process->waitForFinished();
        }
        qunsetenv("XDG_RUNTIME_DIR");
    }

    QProcessEnvironment Environment(bool display) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
        if (display) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Text(runtime_.path()));
        return environment;
    }

    // A folder whose Kovaris.ini opens the demo data.
    fs::path Folder(const std::string& name) const {
        const fs::path folder = work_.path() / name;
        WriteBytes(wtext::Utf8ToWide((folder / "Kovaris.ini").string()),
                   "DataPath=" KOVARIS_DEMO_DATA "/\r\nCfgRead=1\r\n");
        return folder;
    }

    QProcess& Start(const fs::path& folder, const QStringList& arguments = {},
                    bool display = true) {
        started_.push_back(std::make_unique<QProcess>());
        QProcess& process = *started_.back();
        process.setProcessEnvironment(Environment(display));
        process.setWorkingDirectory(Text(folder));
        process.start(QStringLiteral(KOVARIS_APP_BINARY), arguments);
        process.waitForStarted();
        return process;
    }

    // Whether the window on the settings file of `folder` answers, once it is up.
    static bool Answers(const fs::path& folder) {
        const fs::path socket = FindHistoryRequestSocket(folder / "Kovaris.ini").socket;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 30000) {
            if (ExchangeRequest(socket, RaiseRequestLine()).reply) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    TempDir runtime_;
    TempDir work_;
    std::vector<std::unique_ptr<QProcess>> started_;
};

// A wrong argument is named in one line with status 2, with a display or without; without a
// display the program says so in one line, status 1, instead of aborting in Qt.
TEST_F(KovariswinProgramTest, WrongArgumentsAndNoDisplaySayWhatIsWrong) {
    struct Case {
        QStringList arguments;
        bool display;
        int status;
        QString named;
    };
    const std::vector<Case> cases = {
        {{QStringLiteral("--bogus")}, true, 2, QStringLiteral("'bogus'")},
        {{QStringLiteral("--at")}, true, 2, QStringLiteral("'--at'")},
        {{QStringLiteral("--at"), QStringLiteral("2026-02-30 10:00:00")},
         true,
         2,
         QStringLiteral("--at")},
        {{QStringLiteral("extra")}, true, 2, QStringLiteral("'extra'")},
        {{QStringLiteral("--bogus")}, false, 2, QStringLiteral("'bogus'")},
        {{}, false, 1, QStringLiteral("`kovaris board`")},
    };
    const fs::path folder = Folder("args");
    for (const Case& c : cases) {
        const std::string name =
            c.arguments.join(u' ').toStdString() + (c.display ? "" : " (no display)");
        QProcess& process = Start(folder, c.arguments, c.display);
        ASSERT_TRUE(process.waitForFinished(30000)) << name;
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << name;
        EXPECT_EQ(process.exitCode(), c.status) << name;
        EXPECT_TRUE(err.startsWith(u"kovariswin: ")) << err.toStdString();
        EXPECT_EQ(err.count(u'\n'), 1) << err.toStdString();
        EXPECT_TRUE(err.contains(c.named)) << err.toStdString();
    }
}

// Without a Japanese font the program says so once at start, naming the package to install, and
// runs on; with one it says nothing.
TEST_F(KovariswinProgramTest, NamesTheFontPackageWhenNoJapaneseFontIsInstalled) {
    const TempDir fonts;
    const fs::path config = fonts.path() / "fonts.conf";
    fs::create_directories(fonts.path() / "none");
    WriteBytes(wtext::Utf8ToWide(config.string()),
               "<?xml version=\"1.0\"?>\n<fontconfig><dir>" + (fonts.path() / "none").string() +
                   "</dir><cachedir>" + (fonts.path() / "cache").string() +
                   "</cachedir></fontconfig>\n");
    const fs::path folder = Folder("fonts");
    for (const bool japanese : {false, true}) {
        QProcessEnvironment environment = Environment(true);
        if (!japanese) {
            environment.insert(QStringLiteral("FONTCONFIG_FILE"), Text(config));
        }
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(Text(folder));
        process.start(QStringLiteral(KOVARIS_APP_BINARY),
                      {QStringLiteral("--exit-after-first-paint")});
        ASSERT_TRUE(process.waitForFinished(30000)) << japanese;
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 0) << err.toStdString();
        EXPECT_EQ(err.count(QStringLiteral("No Japanese font")), japanese ? 0 : 1)
            << err.toStdString();
        EXPECT_EQ(err.contains(QStringLiteral("fonts-noto-cjk")), !japanese);
    }
}

// A second start on the same settings file brings the running window to the front and ends,
// touching nothing; a window on another settings file runs beside it; and the socket a killed
// window left is taken over by the next start.
TEST_F(KovariswinProgramTest, OneWindowPerSettingsFile) {
    const fs::path one = Folder("one");
    const fs::path two = Folder("two");
    const std::string settings = ReadBytes(wtext::Utf8ToWide((one / "Kovaris.ini").string()));
    QProcess& first = Start(one);
    ASSERT_TRUE(Answers(one));

    QProcess& second = Start(one);
    ASSERT_TRUE(second.waitForFinished(30000)) << "a second window opened";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(ReadBytes(wtext::Utf8ToWide((one / "Kovaris.ini").string())), settings);

    const QProcess& beside = Start(two);
    EXPECT_TRUE(Answers(two));
    EXPECT_TRUE(Answers(one));
    EXPECT_EQ(beside.state(), QProcess::Running);

    first.kill();
    first.waitForFinished();
    QProcess& next = Start(one);
    EXPECT_TRUE(Answers(one));
    EXPECT_EQ(next.state(), QProcess::Running);
}

}  // namespace
