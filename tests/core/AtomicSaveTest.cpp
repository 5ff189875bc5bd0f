// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/AtomicSave.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "files/SaveSteps.h"

namespace {

namespace fs = std::filesystem;

enum class Step { None, Create, Write, Flush, Truncate, Sync, Rename };

// The system's steps, one of which fails as a full disk or a lost device would.
class FailingSteps : public SaveSteps {
public:
    FailingSteps(Step failing, int error) : failing_(failing), error_(error) {}

    std::FILE* Create(const std::string& path) override {
        return Fails(Step::Create) ? nullptr : SaveSteps::Create(path);
    }
    bool Write(std::FILE* file, std::string_view bytes) override {
        // Half the bytes reach the file before the failure, as a disk filling up leaves them.
        if (Fails(Step::Write)) {
            return !SaveSteps::Write(file, bytes.substr(0, bytes.size() / 2));
        }
        return SaveSteps::Write(file, bytes);
    }
    bool Flush(std::FILE* file) override { return !Fails(Step::Flush) && SaveSteps::Flush(file); }
    bool Sync(std::FILE* file) override { return !Fails(Step::Sync) && SaveSteps::Sync(file); }
    bool Rename(const std::string& from, const std::string& to) override {
        return !Fails(Step::Rename) && SaveSteps::Rename(from, to);
    }

private:
    bool Fails(Step step) const {
        if (step != failing_) {
            return false;
        }
        errno = error_;
        return true;
    }

    Step failing_;
    int error_;
};

std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

constexpr std::string_view kOld = "DataPath=/old/\r\nClock=7\r\n";
constexpr std::string_view kNew = "DataPath=/new/\r\nClock=1\r\nCountDown=3\r\n";

TEST(AtomicSaveTest, AFailedStepKeepsTheOldFileByteForByte) {
    for (Step step : {Step::Create, Step::Write, Step::Flush, Step::Sync, Step::Rename}) {
        TempDir dir;
        const std::wstring path = dir.File(L"Kovaris.ini");
        WriteBytes(path, kOld);
        FailingSteps steps(step, step == Step::Create ? ENOSPC : EIO);
        EXPECT_FALSE(SaveAtomically(path, kNew, steps)) << static_cast<int>(step);
        EXPECT_EQ(ReadBytes(path), kOld) << static_cast<int>(step);
        EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"Kovaris.ini"})
            << "no temporary file is left behind, step " << static_cast<int>(step);
    }
}

TEST(AtomicSaveTest, ReplacesTheFileKeepingItsPermissionBits) {
    TempDir dir;
    const std::wstring path = dir.File(L"color.ini");
    WriteBytes(path, kOld);
    fs::permissions(dir.path() / "color.ini",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // What a fixed temporary name met: something already in its place.
    fs::create_directory(dir.path() / "color.ini.tmp");
    ASSERT_TRUE(SaveAtomically(path, kNew));
    EXPECT_EQ(ReadBytes(path), kNew);
    EXPECT_EQ(fs::status(dir.path() / "color.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(SaveAtomically(dir.File(L"new.ini"), kNew)) << "a file that did not exist";
    EXPECT_EQ(ReadBytes(dir.File(L"new.ini")), kNew);
}

// A settings file kept elsewhere and linked in must go on being updated.
TEST(AtomicSaveTest, SavesThroughASymbolicLink) {
    TempDir dir;
    fs::create_directory(dir.path() / "elsewhere");
    WriteBytes(dir.File(L"elsewhere/Kovaris.ini"), kOld);
    fs::create_symlink("elsewhere/Kovaris.ini", dir.path() / "Kovaris.ini");
    ASSERT_TRUE(SaveAtomically(dir.File(L"Kovaris.ini"), kNew));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "Kovaris.ini"));
    EXPECT_EQ(ReadBytes(dir.File(L"elsewhere/Kovaris.ini")), kNew);
}

TEST(AtomicSaveTest, AReadOnlyFileIsNotReplaced) {
    TempDir dir;
    const std::wstring path = dir.File(L"Kovaris.ini");
    WriteBytes(path, kOld);
    fs::permissions(dir.path() / "Kovaris.ini",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(SaveAtomically(path, kNew));
    EXPECT_EQ(ReadBytes(path), kOld);
}

// A folder that takes no new file (permission denied), and a save killed at one step: that step
// and every later one do nothing.
class KilledInClosedFolder : public SaveSteps {
public:
    explicit KilledInClosedFolder(Step killed) : killed_(killed) {}

    std::FILE* Create(const std::string&) override {
        errno = EACCES;
        return nullptr;
    }
    bool Write(std::FILE* file, std::string_view bytes) override {
        return Runs(Step::Write) && SaveSteps::Write(file, bytes);
    }
    bool Flush(std::FILE* file) override { return Runs(Step::Flush) && SaveSteps::Flush(file); }
    bool Truncate(std::FILE* file, std::size_t length) override {
        return Runs(Step::Truncate) && SaveSteps::Truncate(file, length);
    }
    bool Sync(std::FILE* file) override { return Runs(Step::Sync) && SaveSteps::Sync(file); }

private:
    bool Runs(Step step) {
        dead_ = dead_ || step == killed_;
        return !dead_;
    }

    Step killed_;
    bool dead_ = false;
};

// Its writable file is written over in place; until the new bytes are all in it the file is
// never shorter than before, so a kill never leaves it empty or cut.
TEST(AtomicSaveTest, AClosedFolderGetsItsFileWrittenOverInPlace) {
    constexpr std::string_view kShort = "DataPath=/s/\r\n";
    struct Case {
        std::string_view bytes;
        Step killed;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {kNew, Step::None, std::string(kNew)},
        {kShort, Step::None, std::string(kShort)},
        {kShort, Step::Write, std::string(kOld)},
        {kShort, Step::Truncate, std::string(kShort) + std::string(kOld.substr(kShort.size()))},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::wstring path = dir.File(L"Kovaris.ini");
        WriteBytes(path, kOld);
        KilledInClosedFolder steps(c.killed);
        EXPECT_EQ(SaveAtomically(path, c.bytes, steps), c.killed == Step::None) << c.expected;
        EXPECT_EQ(ReadBytes(path), c.expected);
    }
    KilledInClosedFolder noFile(Step::None);
    TempDir dir;
    EXPECT_FALSE(SaveAtomically(dir.File(L"absent.ini"), kNew, noFile));
}

}  // namespace
