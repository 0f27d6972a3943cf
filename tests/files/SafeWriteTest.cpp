#include "files/SafeWrite.h"

#include "files/ButtonFile.h"
#include "files/FileError.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace corvane {
namespace {

using test::ReadBytes;
using test::TempFolder;

std::string FailureMessage(const std::string& path, std::string_view bytes) {
    try {
        WriteFileAtomically(path, bytes);
    } catch (const FileError& error) {
        return error.what();
    }
    return "no failure";
}

TEST(SafeWrite, CreatesAndReplacesLeavingNothingElse) {
    TempFolder folder;
    const std::string path = folder / "button.crv";
    WriteFileAtomically(path, "first\r\n");
    EXPECT_EQ(ReadBytes(path), "first\r\n");
    WriteFileAtomically(path, "second, longer\r\n");
    EXPECT_EQ(ReadBytes(path), "second, longer\r\n");
    WriteFileAtomically(path, "");
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(folder.Names(), std::set<std::string>{"button.crv"});
}

// CI runs as root, for whom permission bits stop no write: these failures use paths that cannot exist.
TEST(SafeWrite, ParentIsAPlainFile) {
    TempFolder folder;
    folder.Put("plain", "x");
    const std::string path = folder / "plain/button.crv";
    EXPECT_EQ(FailureMessage(path, "x"), "Cannot create file " + path);
    EXPECT_EQ(folder.Names(), std::set<std::string>{"plain"});
}

TEST(SafeWrite, MissingFolder) {
    TempFolder folder;
    const std::string path = folder / "no such folder/button.crv";
    EXPECT_EQ(FailureMessage(path, "x"), "Cannot create file " + path);
}

TEST(SafeWrite, TargetIsAFolder) {
    TempFolder folder;
    std::filesystem::create_directory(folder.Path() / "taken");
    const std::string path = folder / "taken";
    EXPECT_EQ(FailureMessage(path, "x"), "Cannot create file " + path);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(folder.Names(), std::set<std::string>{"taken"});
}

TEST(SafeWrite, ReadOnlyFileIsKept) {
    TempFolder folder;
    folder.Put("locked.crv", "old\r\n");
    const std::string path = folder / "locked.crv";
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    EXPECT_EQ(FailureMessage(path, "new\r\n"), "Cannot create file " + path);
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    EXPECT_EQ(folder.Names(), std::set<std::string>{"locked.crv"});
}

#ifndef _WIN32

// A file-size limit makes the system refuse writes past it, as a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(SafeWrite, FullDiskKeepsTheOldFileAndLeavesNoTemporary) {
    TempFolder folder;
    folder.Put("button.crv", "old\r\n");
    const std::string path = folder / "button.crv";
    std::string message;
    {
        FileSizeLimit limit(4096);
        message = FailureMessage(path, std::string(100000, 'x'));
    }
    EXPECT_EQ(message, "Stream write error");
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    EXPECT_EQ(folder.Names(), std::set<std::string>{"button.crv"});
}

TEST(SafeWrite, FullDiskThroughTheButtonFileWriter) {
    TempFolder folder;
    const std::string path = folder / "button.crv";
    SingleItemButton button;
    button.Name = std::string(10000, 'n');
    FileSizeLimit limit(1000);
    EXPECT_THROW(WriteButtonFile(path, button), FileError);
    EXPECT_TRUE(folder.Names().empty());
}

TEST(SafeWrite, SymbolicLinkIsKeptAndItsFileReplaced) {
    TempFolder folder;
    folder.Put("real.crv", "old");
    std::filesystem::create_symlink(folder.Path() / "real.crv", folder.Path() / "link.crv");
    WriteFileAtomically(folder / "link.crv", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.Path() / "link.crv"));
    EXPECT_EQ(ReadBytes(folder / "real.crv"), "new");
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"link.crv", "real.crv"}));
}

TEST(SafeWrite, ReplacedFileKeepsItsPermissions) {
    TempFolder folder;
    folder.Put("shared.crv", "old");
    using std::filesystem::perms;
    const perms mode = perms::owner_read | perms::owner_write | perms::group_read | perms::group_write;
    std::filesystem::permissions(folder.Path() / "shared.crv", mode);
    WriteFileAtomically(folder / "shared.crv", "new");
    EXPECT_EQ(std::filesystem::status(folder.Path() / "shared.crv").permissions(), mode);
}

#endif

} // namespace
} // namespace corvane
