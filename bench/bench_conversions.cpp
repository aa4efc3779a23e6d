// Value text conversions: text to packed value and back, and index values to
// instance sub-identifiers and back, per syntax. Prints
//   BENCH <name> <nanoseconds per conversion> ns
// for every benchmark, then the heap allocations of one conversion, so that
// a conversion that allocates per byte shows up at once.
// The counting operator new below pairs with its own operator delete; GCC
// cannot see that through the benchmark library's inline code.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

#include "mib/QnOptionList.h"
#include "mib/QnSNMPVarDesc.h"
#include "mib/QnSNMPVarList.h"
#include "mib/QnValueText.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

// Counts heap allocations of the whole program.
static std::atomic<long> gAllocations{0};

void* operator new(std::size_t n)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

struct Sample
{
    const char* Name;
    uint32_t Syntax;
    std::string Text;
};

std::string HexOf(size_t bytes)
{
    std::string s;
    for (size_t i = 0; i < bytes; ++i) {
        static const char d[] = "0123456789ABCDEF";
        s.push_back(d[(i * 7) % 16]);
        s.push_back(d[(i * 13 + 5) % 16]);
    }
    return s;
}

const std::vector<Sample>& Samples()
{
    static const std::vector<Sample> samples = {
        {"integer", SYN_INTEGER, "-1234567"},
        {"counter64", SYN_COUNTER64, "18446744073709551615"},
        {"timeticks", SYN_TIMETICKS, "3 days, 4:05:06.07"},
        {"ipaddress", SYN_IPADDRESS, "192.168.100.200"},
        {"objectid", SYN_OBJECTID, "1.3.6.1.4.1.98762.12.9.1.2.3"},
        {"macaddress", SYN_MACADDRESS, "0011223344AA"},
        {"datetime", SYN_DATETIME, "2007-3-1,8:0:0.0,+8:0"},
        {"displaystr32", SYN_DISPLAYSTR, "VN-2400 port 24 uplink to core!!"},
        {"octetstr8", SYN_OCTETSTR, HexOf(8)},
        {"octetstr1024", SYN_OCTETSTR, HexOf(1024)},
        {"double", SYN_DOUBLE, "12345.6789"},
    };
    return samples;
}

void TextToPackedBench(benchmark::State& state, const Sample* s)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TextToPacked(s->Text, s->Syntax));
}

void PackedToTextBench(benchmark::State& state, const Sample* s)
{
    const std::string packed = TextToPacked(s->Text, s->Syntax);
    for (auto _ : state)
        benchmark::DoNotOptimize(PackedToText(packed, s->Syntax));
}

// A table row index of a display string, an integer and an address, the
// last one an implied octet string.
const QnSNMPVarDesc kIndexTable[] = {
    {"1.3.6.1.4.1.98762.9.1.1", "Name", SYN_DISPLAYSTR, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr},
    {"1.3.6.1.4.1.98762.9.1.2", "Port", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr},
    {"1.3.6.1.4.1.98762.9.1.3", "Address", SYN_IPADDRESS, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr},
    {"1.3.6.1.4.1.98762.9.1.4", "Key", SYN_OCTETSTR, ACC_NOTACCESS | ACC_IMPLIED, nullptr, nullptr, nullptr,
     nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

QnSNMPVarList MakeIndexList()
{
    QnSNMPVarList list(kIndexTable, MVT_UMV, 4);
    list.Get(0).Value = "vlan-100";
    list.Get(1).Value = "24";
    list.Get(2).Value = "10.90.90.90";
    list.Get(3).Value = "00112233445566778899";
    return list;
}

std::string ComposeIndex(const QnSNMPVarList& list)
{
    std::string index;
    for (int i = 0; i < list.IndexCount; ++i) {
        if (i)
            index.push_back('.');
        index += EncodeInstance(list, i);
    }
    return index;
}

void DistributeIndex(QnSNMPVarList& list, const std::string& index)
{
    std::string rest = index;
    for (int i = 0; i < list.IndexCount; ++i)
        rest = DecodeInstance(list, i, rest);
}

void EncodeInstanceBench(benchmark::State& state)
{
    const QnSNMPVarList list = MakeIndexList();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComposeIndex(list));
}

void DecodeInstanceBench(benchmark::State& state)
{
    QnSNMPVarList list = MakeIndexList();
    const std::string index = ComposeIndex(list);
    for (auto _ : state) {
        DistributeIndex(list, index);
        benchmark::DoNotOptimize(list.Get(3).Value);
    }
}

// Prints one BENCH line per benchmark instead of the table.
class BenchLineReporter : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const double ns =
                run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            std::printf("BENCH %s %.1f ns\n", run.benchmark_name().c_str(), ns);
            std::fflush(stdout);
        }
    }
};

template <typename F>
long AllocationsOf(F&& f)
{
    f(); // warm up static data
    const long before = gAllocations.load();
    f();
    return gAllocations.load() - before;
}

} // namespace

int main(int argc, char** argv)
{
    for (const Sample& s : Samples()) {
        benchmark::RegisterBenchmark((std::string("text_to_packed_") + s.Name).c_str(), TextToPackedBench,
                                     &s);
        benchmark::RegisterBenchmark((std::string("packed_to_text_") + s.Name).c_str(), PackedToTextBench,
                                     &s);
    }
    benchmark::RegisterBenchmark("encode_instance_4_indexes", EncodeInstanceBench);
    benchmark::RegisterBenchmark("decode_instance_4_indexes", DecodeInstanceBench);
    benchmark::Initialize(&argc, argv);
    BenchLineReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    // Heap allocations of one conversion: constant, whatever the length.
    for (const Sample& s : Samples()) {
        const std::string packed = TextToPacked(s.Text, s.Syntax);
        std::printf("BENCH text_to_packed_%s_allocations %ld allocs\n", s.Name,
                    AllocationsOf([&] { benchmark::DoNotOptimize(TextToPacked(s.Text, s.Syntax)); }));
        std::printf("BENCH packed_to_text_%s_allocations %ld allocs\n", s.Name,
                    AllocationsOf([&] { benchmark::DoNotOptimize(PackedToText(packed, s.Syntax)); }));
    }
    QnSNMPVarList list = MakeIndexList();
    const std::string index = ComposeIndex(list);
    std::printf("BENCH encode_instance_4_indexes_allocations %ld allocs\n",
                AllocationsOf([&] { benchmark::DoNotOptimize(ComposeIndex(list)); }));
    std::printf("BENCH decode_instance_4_indexes_allocations %ld allocs\n",
                AllocationsOf([&] { DistributeIndex(list, index); }));
    benchmark::Shutdown();
    return 0;
}
