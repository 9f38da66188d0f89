#include "rom_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvek {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { closeNow(); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    [[nodiscard]] int get() const { return fd_; }
    bool closeNow()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

bool synced(int fd, const SaveSteps &steps)
{
    return steps.sync ? steps.sync(fd) : ::fsync(fd) == 0;
}

// Overwrites an existing file's bytes and cuts it to their length.
bool writeInPlace(const std::string &path, std::span<const std::uint8_t> bytes, const SaveSteps &steps)
{
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (file.get() < 0)
        return false;
    const bool written = (steps.write ? steps.write(file.get(), bytes) : writeAll(file.get(), bytes))
        && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) == 0 && synced(file.get(), steps);
    return file.closeNow() && written;
}

// Makes a rename in the folder durable (the file's own fsync does not cover its directory entry).
bool syncFolder(const std::string &folder)
{
    FileDescriptor directory(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return directory.get() >= 0 && ::fsync(directory.get()) == 0 && directory.closeNow();
}

} // namespace

std::optional<RomImage> readRomFile(const std::string &path)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxRomFileSize)
        return std::nullopt;

    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt; // a short read: never hand out a partly filled image
        filled += static_cast<std::size_t>(got);
    }
    return RomImage(std::move(bytes), path);
}

bool saveRomFile(const std::string &path, std::span<const std::uint8_t> bytes, const SaveSteps &steps)
{
    namespace fs = std::filesystem;
    std::error_code error;
    // Write through symbolic links to the file they name, so the link itself stays a link.
    fs::path target = fs::weakly_canonical(fs::path(path), error);
    if (error)
        target = path;

    mode_t mode = 0644;
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists) {
        if (!S_ISREG(info.st_mode))
            return false;
        // A ROM marked read-only (no write bit at all, or not writable by us) is never replaced.
        if ((info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            return false;
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }

    std::string temporary = (target.parent_path() / ("." + target.filename().string() + ".talvek-XXXXXX")).string();
    FileDescriptor file(steps.makeTemporary ? steps.makeTemporary(temporary.data()) : ::mkstemp(temporary.data()));
    if (file.get() < 0)
        return exists && writeInPlace(target.string(), bytes, steps);

    const bool written = (steps.write ? steps.write(file.get(), bytes) : writeAll(file.get(), bytes))
        && ::fchmod(file.get(), mode) == 0 && synced(file.get(), steps);
    const auto renamed = [&] {
        return steps.rename ? steps.rename(temporary, target.string())
                            : std::rename(temporary.c_str(), target.c_str()) == 0;
    };
    if (!file.closeNow() || !written || !renamed()) {
        ::unlink(temporary.c_str());
        return false;
    }
    const std::string folder = target.parent_path().string();
    (void)(steps.syncFolder ? steps.syncFolder(folder) : syncFolder(folder));
    return true;
}

} // namespace talvek
