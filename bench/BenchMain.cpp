// vorkast-bench: "generate DIR" makes large databases, "run DIR" prints one line per measure:
// NAME ours=12.3ms raw=8.1ms ratio=1.52 peak=64MB
#include "Bench.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QApplication>
#include <QProcess>

#include <sys/resource.h>

#include <cstdio>
#include <map>
#include <string>

namespace vorkast::bench {

namespace {

std::map<std::string, MeasureFn> &measures()
{
    static std::map<std::string, MeasureFn> m;
    return m;
}

std::map<std::string, GenerateFn> &generators()
{
    static std::map<std::string, GenerateFn> g;
    return g;
}

} // namespace

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

Register::Register(const char *name, MeasureFn measure)
{
    measures()[name] = std::move(measure);
}

RegisterGenerator::RegisterGenerator(const char *name, GenerateFn generate)
{
    generators()[name] = std::move(generate);
}

double bestOf(int repeats, const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace vorkast::bench

using namespace vorkast::bench;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);  // measures of windows need widgets
    const QStringList args = QCoreApplication::arguments();
    const QString command = args.value(1);
    if (command == QLatin1String("generate") && args.size() == 3) {
        for (const auto &[name, generate] : generators()) {
            std::fprintf(stderr, "generating %s...\n", name.c_str());
            generate(args.at(2));
        }
        return 0;
    }
    if (command == QLatin1String("run") && (args.size() == 3 || args.size() == 4)) {
        // Each measure in a fresh process, so that its peak memory is its own.
        int failures = 0;
        for (const auto &[name, measure] : measures()) {
            if (args.size() == 4 && !QString::fromStdString(name).contains(args.at(3)))
                continue;
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("run-one"), QString::fromStdString(name), args.at(2)});
            child.waitForFinished(-1);
            const QByteArray out = child.readAllStandardOutput();
            std::fputs(out.constData(), stdout);
            std::fflush(stdout);
            if (child.exitCode() != 0) {
                std::fprintf(stderr, "%s failed\n", name.c_str());
                ++failures;
            }
        }
        return failures == 0 ? 0 : 1;
    }
    if (command == QLatin1String("run-one") && args.size() == 4) {
        const auto it = measures().find(args.at(2).toStdString());
        if (it == measures().end())
            return 2;
        try {
            const Result r = it->second(args.at(3));
            std::printf("%s ours=%.1fms raw=%.1fms ratio=%.2f peak=%ldMB\n", it->first.c_str(), r.oursMs, r.rawMs,
                        r.rawMs > 0 ? r.oursMs / r.rawMs : 0.0, r.peakMb > 0 ? r.peakMb : peakMegabytes());
        } catch (const std::exception &e) {
            std::fprintf(stderr, "%s: %s\n", it->first.c_str(), e.what());
            return 1;
        }
        return 0;
    }
    std::fprintf(stderr, "usage: vorkast-bench generate DIR | run DIR [FILTER]\n");
    return 2;
}
