// Writes the demonstration the benchmarks run, "Everything" with 51 packets spread over every
// link and never delivered, as a file a front end opens (the page's benchmark does).
#include "BenchSupport.h"

#include "files/DemonstrationFile.h"
#include "files/HopscapeFile.h"
#include "session/Demonstration.h"

#include <iostream>

int main() {
    BenchForm bench;
    bench.FillWithSpreadPackets();
    const Demonstration demonstration(bench.form);
    std::cout << HopscapeFile::Bytes(DemonstrationFile::ToJson(demonstration.Capture()));
    return 0;
}
