#pragma once

#include <functional>
#include <string>
#include <vector>

// The benchmark program runs every registered benchmark in one run and prints
// its figures; each benchmark file registers itself with CORVALTO_BENCH.
namespace bench {

using Function = std::function<void()>;

struct Entry
{
    std::string name;
    Function run;
};

std::vector<Entry>& registry();

struct Registrar
{
    Registrar(const char* name, Function f) { registry().push_back({name, std::move(f)}); }
};

// Median of the samples (copied, then sorted).
double median(std::vector<double> samples);

} // namespace bench

#define CORVALTO_BENCH_CONCAT2(a, b) a##b
#define CORVALTO_BENCH_CONCAT(a, b) CORVALTO_BENCH_CONCAT2(a, b)
#define CORVALTO_BENCH(name, fn) \
    static bench::Registrar CORVALTO_BENCH_CONCAT(corvaltoBench_, __LINE__)(name, fn)
