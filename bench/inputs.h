#pragma once

#include <cstddef>
#include <string>

namespace dorva::bench {

// Hand-made data files for the measurements, as bytes in code page 932 with CR LF line breaks.
// The number n varies the names and values so that no two generated files are the same.
std::string typicalActor(int n);
std::string typicalKit(int n);
std::string typicalMission(int n);

// A mission whose briefing text fills it up to about bytes.
std::string largeMission(std::size_t bytes);
// A mission of about bytes whose bulk is short object lines that the editor does not model,
// the usual shape of a large mission.
std::string objectMission(std::size_t bytes);
// An actor and a kit whose long values fill them up to about bytes.
std::string largeActor(std::size_t bytes);
std::string largeKit(std::size_t bytes);

// Writes a folder of count files, a third of each kind, named so that they sort in a mixed
// order. Returns the number of bytes written.
std::size_t writeMixedFolder(const std::string& folder, int count);
// Writes a folder of count typical actors. Returns the number of bytes written.
std::size_t writeActorFolder(const std::string& folder, int count);

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

} // namespace dorva::bench
