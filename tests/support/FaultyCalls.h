#pragma once

// The real system calls with faults planted in them, for the save's failure paths.

#include "pls/SystemCalls.h"

#include <QList>

#include <cerrno>
#include <functional>
#include <map>

namespace orvanta::testing {

// In the order table() plants them; stat, which comes before any change, is never failed.
// clang-format off
enum class Call { Open, Fstat, Pread, Pwrite, Fsync, Ftruncate, Fallocate, Fchown, Fchmod, Rename, Link, Unlink,
                  Mkdir };
// clang-format on

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
        SystemCalls c;
        int call = 0;
        const auto plantAll = [&](auto&... entries) { (plant(entries, Call(call++)), ...); };
        plantAll(c.open, c.fstat, c.pread, c.pwrite, c.fsync, c.ftruncate, c.fallocate, c.fchown, c.fchmod, c.rename,
                 c.link, c.unlink, c.mkdir);
        return c;
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
