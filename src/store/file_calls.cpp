#include "store/file_calls.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace torvane::store::fileCalls {

namespace {

std::function<int(Call)>& fault() {
    static std::function<int(Call)> current;
    return current;
}

// The planted error, if any, as the call's own result.
int planted(Call call) {
    return fault() ? fault()(call) : 0;
}

int result(int returned) {
    return returned == 0 ? 0 : errno;
}

} // namespace

void setFault(std::function<int(Call)> replacement) {
    fault() = std::move(replacement);
}

int createNew(const char* name, mode_t mode) {
    if (const int code = planted(Call::Create); code != 0) {
        errno = code;
        return -1;
    }
    return ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
}

int writeAt(int fd, const char* data, std::size_t size, off_t offset) {
    if (const int code = planted(Call::Write); code != 0) {
        return code;
    }
    for (std::size_t done = 0; done < size;) {
        const ssize_t put =
            ::pwrite(fd, data + done, size - done, offset + static_cast<off_t>(done));
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (put == 0) {
            return EIO; // no progress: never spin
        }
        done += static_cast<std::size_t>(put);
    }
    return 0;
}

int truncate(int fd, off_t length) {
    if (const int code = planted(Call::Truncate); code != 0) {
        return code;
    }
    return result(::ftruncate(fd, length));
}

int sync(int fd) {
    if (const int code = planted(Call::Sync); code != 0) {
        return code;
    }
    return result(::fsync(fd));
}

int rename(const char* from, const char* to) {
    if (const int code = planted(Call::Rename); code != 0) {
        return code;
    }
    return result(std::rename(from, to));
}

} // namespace torvane::store::fileCalls
