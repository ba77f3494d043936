#pragma once

#include "app/corvalto_app.h"
#include "core/app_context.h"
#include "support/scripted_prompts.h"

#include <QElapsedTimer>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The benchmark program runs every registered benchmark in one run and prints
// its figures; each benchmark file registers itself with CORVALTO_BENCH.
namespace bench {

using Function = std::function<void()>;
// A benchmark with arguments of its own: "corvalto-bench NAME ARGS..." runs it alone with
// ARGS and exits with what it returns; a run of every benchmark runs it with none.
using Command = std::function<int(const QStringList& args)>;

struct Entry
{
    std::string name;
    Command run;
};

std::vector<Entry>& registry();

struct Registrar
{
    Registrar(const char* name, Function f)
    {
        registry().push_back({name, [f = std::move(f)](const QStringList&) {
                                  f();
                                  return 0;
                              }});
    }
    Registrar(const char* name, Command c) { registry().push_back({name, std::move(c)}); }
};

// Median of the samples (copied, then sorted).
double median(std::vector<double> samples);

// Milliseconds since the timer started.
inline double msSince(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The whole program on the built program folder, with scripted prompts and a
// fixed seed, created but not shown.
struct Program
{
    Program()
    {
        ctx.prompts = &prompts;
        ctx.programDir = QStringLiteral(CORVALTO_PROGRAM_DIR "/");
        ctx.seedSource = [] { return 1u; };
        app = std::make_unique<CorvaltoApp>(ctx);
    }

    ScriptedPrompts prompts;
    AppContext ctx;
    std::unique_ptr<CorvaltoApp> app;
};

} // namespace bench

#define CORVALTO_BENCH_CONCAT2(a, b) a##b
#define CORVALTO_BENCH_CONCAT(a, b) CORVALTO_BENCH_CONCAT2(a, b)
#define CORVALTO_BENCH(name, fn)                                                                   \
    static bench::Registrar CORVALTO_BENCH_CONCAT(corvaltoBench_, __LINE__)(name, fn)
