#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

namespace orvanta {

// The system calls through which playlist files are read and saved: the real ones, unless a
// test puts in their place one that fails on cue. Each entry takes what its POSIX namesake
// takes and answers as it does, -1 with errno set on failure; rename takes renameat2's flags.
// Entries are functions rather than bare pointers so that a stand-in can keep its own count.
struct SystemCalls {
    std::function<int(const char*, struct stat*)> stat = ::stat;
    std::function<int(const char*, int, mode_t)> open = [](const char* path, int flags, mode_t mode) {
        return ::open(path, flags, mode);
    };
    std::function<int(int, struct stat*)> fstat = ::fstat;
    std::function<ssize_t(int, void*, size_t, off_t)> pread = ::pread;
    std::function<ssize_t(int, const void*, size_t, off_t)> pwrite = ::pwrite;
    std::function<int(int)> fsync = ::fsync;
    std::function<int(int, off_t)> ftruncate = ::ftruncate;
    std::function<int(int, int, off_t, off_t)> fallocate = ::fallocate;
    std::function<int(int, uid_t, gid_t)> fchown = ::fchown;
    std::function<int(int, mode_t)> fchmod = ::fchmod;
    std::function<int(const char*, const char*, unsigned)> rename = [](const char* from, const char* to,
                                                                       unsigned flags) {
        return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, flags);
    };
    // Gives the file open at fd, made with O_TMPFILE, the name path; EEXIST where a file has it.
    std::function<int(int, const char*)> link = [](int fd, const char* path) {
        return ::linkat(AT_FDCWD, ("/proc/self/fd/" + std::to_string(fd)).c_str(), AT_FDCWD, path, AT_SYMLINK_FOLLOW);
    };
    std::function<int(const char*)> unlink = ::unlink;
    std::function<int(const char*, mode_t)> mkdir = ::mkdir;
};

} // namespace orvanta
