// Mapping a game file read-only, and surviving another program cutting it
// short. Touching a mapped page past the end of a file that shrank raises
// SIGBUS, which would end the process; a guard installed on first use puts
// zero pages in place of the lost ones instead and marks the mapping as cut
// short, so the operation can finish and report the change. Faults outside
// our mappings go on to whoever handled SIGBUS before.
#include "FileBytes.h"

#if defined(__unix__) || defined(__APPLE__)
#define ORBEK_CAN_MAP 1
#include <atomic>
#include <csignal>
#include <mutex>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef ORBEK_CAN_MAP
namespace {

// The live mappings, read by the signal handler: fixed slots of atomics, no
// locks and no allocation.
struct Region
{
    std::atomic<std::uintptr_t> begin{0};
    std::atomic<std::uintptr_t> end{0};
    std::atomic<bool> cutShort{false};
};
constexpr int kRegions = 64;
Region g_regions[kRegions];
std::uintptr_t g_pageSize = 4096;
struct sigaction g_previousHandler;

void HandOn(int signal, siginfo_t* info, void* context)
{
    if (g_previousHandler.sa_flags & SA_SIGINFO) {
        g_previousHandler.sa_sigaction(signal, info, context);
        return;
    }
    if (g_previousHandler.sa_handler != SIG_DFL && g_previousHandler.sa_handler != SIG_IGN) {
        g_previousHandler.sa_handler(signal);
        return;
    }
    // Default action: restore it and let the fault happen again.
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    ::sigaction(SIGBUS, &standard, nullptr);
}

void OnBusError(int signal, siginfo_t* info, void* context)
{
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (auto& region : g_regions) {
        const std::uintptr_t begin = region.begin.load();
        const std::uintptr_t end = region.end.load();
        if (begin == 0 || address < begin || address >= end)
            continue;
        const std::uintptr_t page = address & ~(g_pageSize - 1);
        void* zeros = ::mmap(reinterpret_cast<void*>(page), end - page, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
        if (zeros == MAP_FAILED)
            break;
        region.cutShort.store(true);
        return;
    }
    HandOn(signal, info, context);
}

void InstallGuard()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        g_pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        struct sigaction guard {};
        guard.sa_sigaction = OnBusError;
        guard.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&guard.sa_mask);
        ::sigaction(SIGBUS, &guard, &g_previousHandler);
    });
}

Region* Claim(std::uintptr_t begin, std::uintptr_t end)
{
    for (auto& region : g_regions) {
        std::uintptr_t expected = 0;
        if (region.begin.compare_exchange_strong(expected, begin)) {
            region.cutShort.store(false);
            region.end.store(end);
            return &region;
        }
    }
    return nullptr;
}

class MappedBytes final : public FileBytes
{
public:
    MappedBytes(void* address, std::size_t size, Region* region) : m_address(address), m_size(size), m_region(region)
    {
        m_span = {static_cast<const std::uint8_t*>(address), size};
        m_bMapped = true;
    }
    ~MappedBytes() override
    {
        ::munmap(m_address, m_size);
        m_region->end.store(0);
        m_region->begin.store(0);
    }
    bool CutShort() const override { return m_region->cutShort.load(); }

private:
    void* m_address;
    std::size_t m_size;
    Region* m_region;
};

} // namespace

namespace FileMapping {

std::shared_ptr<const FileBytes> Map(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr; // the reading path reports why
    struct stat info {};
    std::shared_ptr<const FileBytes> result;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        const auto size = static_cast<std::size_t>(info.st_size);
        InstallGuard();
        int flags = MAP_PRIVATE;
#ifdef MAP_POPULATE
        flags |= MAP_POPULATE; // one call maps every page, instead of a fault per few pages
#endif
        void* address = ::mmap(nullptr, size, PROT_READ, flags, fd, 0);
        if (address != MAP_FAILED) {
            const auto begin = reinterpret_cast<std::uintptr_t>(address);
            if (Region* region = Claim(begin, begin + size))
                result = std::make_shared<MappedBytes>(address, size, region);
            else
                ::munmap(address, size);
        }
    }
    ::close(fd);
    return result;
}

} // namespace FileMapping

#else

namespace FileMapping {
std::shared_ptr<const FileBytes> Map(const std::string&)
{
    return nullptr;
}
} // namespace FileMapping

#endif
