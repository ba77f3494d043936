#include "bench.h"

#include "screensaver/mesh_reader.h"
#include "ui/pictures/jpeg_reader.h"

#include <QApplication>

#include <algorithm>
#include <cstring>
#include <iostream>

namespace bench {

std::vector<Entry>& registry()
{
    static std::vector<Entry> entries;
    return entries;
}

double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2.0;
}

} // namespace bench

// Usage: corvalto-bench [name-substring]
//        corvalto-bench NAME ARGS...   (one benchmark by its whole name, with its arguments)
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    MeshReader::setFolders({QStringLiteral(CORVALTO_PROGRAM_DIR)});
    setJpegModuleFolders({QStringLiteral(CORVALTO_PROGRAM_DIR)});
    const char* filter = argc > 1 ? argv[1] : nullptr;
    if (filter) {
        for (const bench::Entry& e : bench::registry()) {
            if (e.name == filter)
                return e.run(QCoreApplication::arguments().mid(2));
        }
    }
    for (const bench::Entry& e : bench::registry()) {
        if (filter && e.name.find(filter) == std::string::npos)
            continue;
        std::cout << "== " << e.name << " ==" << std::endl;
        e.run({});
    }
    return 0;
}
