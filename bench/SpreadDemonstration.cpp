// Writes the demonstration the benchmarks run, "Everything" with 51 packets spread over every
// link and never delivered, as a file a front end opens (the page's benchmark does).
#include "BenchSupport.h"

#include "files/DemonstrationFile.h"
#include "files/HopscapeFile.h"
#include "session/Lesson.h"

#include <iostream>

int main() {
    BenchForm bench;
    bench.FillWithSpreadPackets();
    const Lesson lesson(bench.form);
    std::cout << HopscapeFile::Bytes(DemonstrationFile::ToJson(lesson.Capture()));
    return 0;
}
