#pragma once

// The real system calls with faults planted in them, for the save's failure paths.

#include "pls/SystemCalls.h"

#include <QList>

#include <cerrno>
#include <functional>
#include <map>

namespace orvanta::testing {

enum class Call {
    Stat,
    Open,
    Fstat,
    Pread,
    Pwrite,
    Fsync,
    Ftruncate,
    Fallocate,
    Fchown,
    Fchmod,
    Rename,
    Unlink,
    Mkdir
};

// The nth call of its kind (counted from 1, or Every one) fails with error; or, for ShortWrite,
// a pwrite writes half of what it was given.
struct Fault {
    Call call;
    int nth;
    int error;
};
inline constexpr int Every = 0;
inline constexpr int ShortWrite = -1;

// Not copyable: the table it gives refers to it.
class FaultyCalls {
public:
    explicit FaultyCalls(QList<Fault> faults = {}) : m_faults(std::move(faults)) {}
    FaultyCalls(const FaultyCalls&) = delete;
    FaultyCalls& operator=(const FaultyCalls&) = delete;

    // Runs before every call: a test may kill the process there.
    std::function<void()> beforeEach = [] {};

    SystemCalls table()
    {
        SystemCalls calls;
        plant(calls.stat, Call::Stat);
        plant(calls.open, Call::Open);
        plant(calls.fstat, Call::Fstat);
        plant(calls.pread, Call::Pread);
        plant(calls.pwrite, Call::Pwrite);
        plant(calls.fsync, Call::Fsync);
        plant(calls.ftruncate, Call::Ftruncate);
        plant(calls.fallocate, Call::Fallocate);
        plant(calls.fchown, Call::Fchown);
        plant(calls.fchmod, Call::Fchmod);
        plant(calls.rename, Call::Rename);
        plant(calls.unlink, Call::Unlink);
        plant(calls.mkdir, Call::Mkdir);
        return calls;
    }

private:
    template <typename Result, typename First, typename... Rest>
    void plant(std::function<Result(First, Rest...)>& entry, Call call)
    {
        entry = [this, call, real = entry](First first, Rest... rest) -> Result {
            beforeEach();
            const int nth = ++m_counts[call];
            for (const Fault& fault : m_faults) {
                if (fault.call != call || (fault.nth != nth && fault.nth != Every))
                    continue;
                if (fault.error == ShortWrite)
                    return halfWrite(real, first, rest...);
                errno = fault.error;
                return Result(-1);
            }
            return real(first, rest...);
        };
    }
    template <typename Write>
    static ssize_t halfWrite(const Write& write, int fd, const void* data, size_t size, off_t offset)
    {
        return write(fd, data, size / 2, offset);
    }
    static int halfWrite(const auto&, auto...) { return -1; }

    QList<Fault> m_faults;
    std::map<Call, int> m_counts;
};

} // namespace orvanta::testing
