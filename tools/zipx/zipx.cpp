// zipx: the extraction engine from the command line, for checking media before shipping.
//   zipx x ARCHIVE DEST [SPECS]   extract; one line per report, then "result N"
//   zipx l ARCHIVE [SPECS]        list, same line format
//   zipx size ARCHIVE             uncompressed and compressed totals
#include <cstdio>
#include <cstring>
#include <string>

#include "unzip/brask_unzip.h"

namespace {

void PrintReport(int32_t code, unzip::TUnzipReport* r) {
  std::printf("report %d %d %u %d %d %u %s\n", code, r->status, r->method, r->size,
              r->compressed_size, r->ratio, r->name);
}

int Usage() {
  std::fprintf(stderr,
               "usage: zipx x ARCHIVE DEST [SPECS]\n"
               "       zipx l ARCHIVE [SPECS]\n"
               "       zipx size ARCHIVE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  unzip::TBraskUnzip unzip;
  unzip.SetFileName(argv[2]);
  unzip.SetReportCallback(PrintReport);
  int32_t result;
  if (command == "x" && (argc == 4 || argc == 5)) {
    unzip.SetDirectoryName(argv[3]);
    if (argc == 5) unzip.SetFileSpecs(argv[4]);
    result = unzip.ExtractAll();
  } else if (command == "l" && (argc == 3 || argc == 4)) {
    if (argc == 4) unzip.SetFileSpecs(argv[3]);
    result = unzip.ListEntries();
  } else if (command == "size" && argc == 3) {
    const int32_t size = unzip.TotalSize();
    std::printf("%d %d\n", size, unzip.CompressedTotal());
    return 0;
  } else {
    return Usage();
  }
  std::printf("result %d\n", result);
  return result >= 0 ? 0 : 1;
}
