#pragma once

#include <string>

namespace dorva::bench {

// One row of the result table, printed to standard output as tab-separated fields:
// figure, value, baseline, ratio, target, verdict. bench/run lines the rows up.
void printRow(const std::string& figure, const std::string& value, const std::string& baseline,
              const std::string& ratio, const std::string& target, const std::string& verdict);

// A row comparing a measured value with its baseline, each shown by format; maxRatio <= 0
// means no target.
void printRatioRow(const std::string& figure, double value, const std::string& baselineName,
                   double baselineValue, double maxRatio, std::string (*format)(double));

// The same for times.
void printTimeRow(const std::string& figure, double seconds, const std::string& baselineName,
                  double baselineSeconds, double maxRatio);

std::string formatSeconds(double seconds);
std::string formatBytes(double bytes);
std::string formatRatio(double ratio);

} // namespace dorva::bench
