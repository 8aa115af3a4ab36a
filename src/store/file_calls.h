#pragma once

#include <cstddef>
#include <functional>
#include <sys/types.h>

namespace torvane::store::fileCalls {

// The calls that put the records on disk: each is a point where a kill, a full disk or a
// failing device can stop a save.
enum class Call { Create, Write, Truncate, Sync, Rename };

// Tests stand in for the disk here: asked before each call, a nonzero errno fails the call
// with that error without making it. Set it only while no save runs.
void setFault(std::function<int(Call)> fault);

// A new file, opened for writing: its descriptor, or -1 with errno set.
int createNew(const char* name, mode_t mode);
// Each of these returns 0, or the errno that stopped it.
int writeAt(int fd, const char* data, std::size_t size, off_t offset); // every byte, or an error
int truncate(int fd, off_t length);
int sync(int fd);
int rename(const char* from, const char* to);

} // namespace torvane::store::fileCalls
