#include "bench/table.h"

#include <cstdio>
#include <iostream>

namespace dorva::bench {

namespace {

std::string format(const char* pattern, double value, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value, unit);
    return text;
}

} // namespace

void printRow(const std::string& figure, const std::string& value, const std::string& baseline,
              const std::string& ratio, const std::string& target, const std::string& verdict) {
    std::cout << figure << '\t' << value << '\t' << baseline << '\t' << ratio << '\t' << target
              << '\t' << verdict << std::endl;
}

void printRatioRow(const std::string& figure, double value, const std::string& baselineName,
                   double baselineValue, double maxRatio, std::string (*format)(double)) {
    const double ratio = value / baselineValue;
    const bool hasTarget = maxRatio > 0;
    printRow(figure, format(value), baselineName + " " + format(baselineValue), formatRatio(ratio),
             hasTarget ? "<= " + formatRatio(maxRatio) : "-",
             hasTarget ? (ratio <= maxRatio ? "met" : "MISSED") : "-");
}

void printTimeRow(const std::string& figure, double seconds, const std::string& baselineName,
                  double baselineSeconds, double maxRatio) {
    printRatioRow(figure, seconds, baselineName, baselineSeconds, maxRatio, formatSeconds);
}

std::string formatSeconds(double seconds) {
    if (seconds >= 1)
        return format("%.2f %s", seconds, "s");
    if (seconds >= 1e-3)
        return format("%.2f %s", seconds * 1e3, "ms");
    if (seconds >= 1e-6)
        return format("%.1f %s", seconds * 1e6, "us");
    return format("%.0f %s", seconds * 1e9, "ns");
}

std::string formatBytes(double bytes) {
    if (bytes >= 1024 * 1024)
        return format("%.1f %s", bytes / (1024 * 1024), "MiB");
    if (bytes >= 1024)
        return format("%.1f %s", bytes / 1024, "KiB");
    return format("%.0f %s", bytes, "B");
}

std::string formatRatio(double ratio) {
    return format("%.2f%s", ratio, "x");
}

} // namespace dorva::bench
