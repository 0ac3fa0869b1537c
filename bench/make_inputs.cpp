// Writes the input files of the measurements into a folder (never into the source tree).
#include "bench/inputs.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    using namespace dorva::bench;
    if (argc != 2) {
        std::cerr << "usage: bench_make_inputs FOLDER\n";
        return 2;
    }
    const std::string root = argv[1];
    std::filesystem::create_directories(root + "/typical");
    writeFile(root + "/typical/typical.atr", typicalActor(7));
    writeFile(root + "/typical/typical.kit", typicalKit(7));
    writeFile(root + "/typical/typical.mis", typicalMission(7));
    writeFile(root + "/big.mis", largeMission(4 * 1024 * 1024));
    writeFile(root + "/objects.mis", objectMission(4 * 1024 * 1024));
    writeMixedFolder(root + "/folder1000", 1000);
    writeMixedFolder(root + "/folder10000", 10000);
    writeMixedFolder(root + "/batch2000", 2000);
    writeActorFolder(root + "/actors5000", 5000);
}
