// Several processes writing one profile file at once: the lock keeps every write, and the
// atomic replacement never shows a reader a part of a file.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "common/core/ProfileAccess.h"
#include "common/core/ProfileFileSystem.h"
#include "tests/native/ProfileTestFolder.h"

namespace {

// The Windows lane runs 8 x 200 real program processes; here fewer writes keep the
// sanitized lane quick.
constexpr int kWriters = 8;
constexpr int kWritesEach = 100;

// Forks a child that runs work and ends with its result as exit status.
template <typename Work>
pid_t Spawn(Work work) {
    const pid_t pid = fork();
    if (pid == 0)
        _exit(work() ? 0 : 1);
    return pid;
}

// Waits for every child up to the time-out; a child still running then is killed by its pid.
std::vector<int> WaitAll(const std::vector<pid_t>& children, std::chrono::seconds timeout) {
    std::vector<int> statuses(children.size(), -1);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (size_t i = 0; i < children.size(); ++i) {
        int status = 0;
        while (waitpid(children[i], &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() >= deadline) {
                kill(children[i], SIGKILL);
                waitpid(children[i], &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        statuses[i] = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return statuses;
}

TEST(ProfileConcurrency, ProcessesWritingTheirOwnSectionsLoseNoWrite) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        children.push_back(Spawn([&] {
            bool ok = true;
            for (int i = 0; i < kWritesEach; ++i) {
                ok = WriteProfileEntry(file, "PIMMO" + std::to_string(w), "Key" + std::to_string(i),
                                       std::to_string(i * w)) &&
                     ok;
            }
            return ok;
        }));
    }
    for (int status : WaitAll(children, std::chrono::seconds(240)))
        EXPECT_EQ(status, 0);
    for (int w = 0; w < kWriters; ++w) {
        for (int i = 0; i < kWritesEach; ++i) {
            ASSERT_EQ(ReadProfileEntry(file, "pimmo" + std::to_string(w), "key" + std::to_string(i), "lost"),
                      std::to_string(i * w))
                << "writer " << w << " write " << i;
        }
    }
}

// A child that waits until Open() before it runs work: it is forked before the parent takes
// a lock, so that it does not share the parent's lock (flock locks belong to the open file,
// which a fork shares).
class GatedChild {
public:
    template <typename Work>
    explicit GatedChild(Work work) {
        if (pipe(m_pipe) != 0)
            throw std::runtime_error("pipe failed");
        m_pid = fork();
        if (m_pid == 0) {
            close(m_pipe[1]);
            char go = 0;
            const bool opened = read(m_pipe[0], &go, 1) == 1;
            _exit(opened && work() ? 0 : 1);
        }
        close(m_pipe[0]);
    }
    ~GatedChild() { close(m_pipe[1]); }
    void Open() { (void)!write(m_pipe[1], "g", 1); }
    int Wait() { return WaitAll({m_pid}, std::chrono::seconds(30))[0]; }

private:
    int m_pipe[2] = {-1, -1};
    pid_t m_pid = -1;
};

TEST(ProfileConcurrency, WriterWaitsForTheLock) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    GatedChild child([&] { return WriteProfileEntry(file, "S", "k", "v"); });
    std::unique_ptr<ProfileLock> lock = LockProfileFile(file, ProfileLockMode::Exclusive, std::chrono::seconds(1));
    ASSERT_NE(lock, nullptr);
    child.Open();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(std::filesystem::exists(file)) << "written while the lock was held";
    lock.reset();
    EXPECT_EQ(child.Wait(), 0);
    EXPECT_EQ(ReadBytes(file), "[S]\r\nk=v\r\n");
}

struct LockCase {
    const char* name;
    ProfileLockMode held;
    ProfileLockMode wanted;
    bool granted;
};

const LockCase kLockCases[] = {
    {"SharedWithShared", ProfileLockMode::Shared, ProfileLockMode::Shared, true},
    {"ExclusiveWhileShared", ProfileLockMode::Shared, ProfileLockMode::Exclusive, false},
    {"SharedWhileExclusive", ProfileLockMode::Exclusive, ProfileLockMode::Shared, false},
    {"ExclusiveWhileExclusive", ProfileLockMode::Exclusive, ProfileLockMode::Exclusive, false},
};

class ProfileLockModes : public testing::TestWithParam<LockCase> {};

TEST_P(ProfileLockModes, OtherProcessGetsTheLockOnlyWhenCompatible) {
    const LockCase& c = GetParam();
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    const std::chrono::milliseconds shortWait(100);
    GatedChild child([&] { return (LockProfileFile(file, c.wanted, shortWait) != nullptr) == c.granted; });
    const auto held = LockProfileFile(file, c.held, shortWait);
    ASSERT_NE(held, nullptr);
    child.Open();
    EXPECT_EQ(child.Wait(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         ProfileLockModes,
                         testing::ValuesIn(kLockCases),
                         [](const testing::TestParamInfo<LockCase>& info) { return std::string(info.param.name); });

TEST(ProfileConcurrency, ReadersNeverSeeAPartialFile) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    // A long first section makes a partly written file likely to miss the last section.
    for (int i = 0; i < 300; ++i)
        ASSERT_TRUE(WriteProfileEntry(file, "Bulk", "Key" + std::to_string(i), std::string(40, 'x')));
    ASSERT_TRUE(WriteProfileEntry(file, "Last", "Sentinel", "here"));
    std::vector<pid_t> children;
    children.push_back(Spawn([&] {
        bool ok = true;
        for (int i = 0; i < 300; ++i)
            ok = WriteProfileEntry(file, "Bulk", "Key" + std::to_string(i), std::to_string(i)) && ok;
        return ok;
    }));
    children.push_back(Spawn([&] {
        for (int i = 0; i < 300; ++i) {
            if (ReadBytes(file).size() < 1000 || ReadProfileEntry(file, "Last", "Sentinel", "") != "here")
                return false;
        }
        return true;
    }));
    for (int status : WaitAll(children, std::chrono::seconds(120)))
        EXPECT_EQ(status, 0);
}

}  // namespace
