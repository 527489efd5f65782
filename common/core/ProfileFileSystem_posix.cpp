#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "common/core/ProfileFileSystem.h"

namespace {

class PosixProfileLock final : public ProfileLock {
public:
    explicit PosixProfileLock(int fd) : m_fd(fd) {}
    ~PosixProfileLock() override { close(m_fd); }  // closing releases the flock

private:
    int m_fd;
};

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

std::unique_ptr<ProfileLock> LockProfileFile(const std::string& path,
                                             ProfileLockMode mode,
                                             std::chrono::milliseconds timeout) {
    const int fd = open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return nullptr;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    const int operation = (mode == ProfileLockMode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    auto pause = std::chrono::milliseconds(1);
    while (flock(fd, operation) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
            close(fd);
            return nullptr;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(16));
    }
    return std::make_unique<PosixProfileLock>(fd);
}

ProfileFileContent ReadWholeProfileFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {errno == ENOENT || errno == ENOTDIR ? ProfileReadStatus::Missing : ProfileReadStatus::Failed, {}};
    ProfileFileContent content{ProfileReadStatus::Read, {}};
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            content = {ProfileReadStatus::Failed, {}};
            break;
        }
        if (n == 0)
            break;
        content.bytes.append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    return content;
}

bool ReplaceProfileFile(const std::string& path, const std::string& bytes) {
    // One temporary name is enough: only the holder of the exclusive lock writes it.
    const std::string temporary = path + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
    close(fd);
    if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}
