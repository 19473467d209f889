// Times what this machine charges for memory a process has never written: the saver holds a
// picture of the whole virtual screen, which must be written once before the window shows,
// however it is copied. Writes a picture's worth of fresh memory on two threads, once page by
// page and once with the pages mapped in bulk first (the cheapest a program can have them),
// then the same memory again. Prints the figures; asserts nothing.
//   fresh_memory_bench WIDTH HEIGHT
#include <sys/mman.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kPageBytes = 4096;
constexpr int kRuns = 5;

void TouchPages(char* begin, std::size_t bytes, bool mapInBulkFirst) {
  if (mapInBulkFirst) madvise(begin, bytes, MADV_POPULATE_WRITE);
  for (std::size_t offset = 0; offset < bytes; offset += kPageBytes) begin[offset] = 1;
}

// Milliseconds for two threads to write one byte into each page of their half.
double WriteOnTwoThreads(char* memory, std::size_t bytes, bool mapInBulkFirst) {
  const std::size_t half = bytes / 2 / kPageBytes * kPageBytes;
  const auto start = Clock::now();
  std::thread other(TouchPages, memory, half, mapInBulkFirst);
  TouchPages(memory + half, bytes - half, mapInBulkFirst);
  other.join();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fresh_memory_bench WIDTH HEIGHT\n");
    return 2;
  }
  const std::size_t bytes = std::strtoul(argv[1], nullptr, 10) * std::strtoul(argv[2], nullptr, 10) * 4;
  std::vector<double> pageByPage, inBulk, again;
  for (int run = 0; run < kRuns; ++run) {
    for (const bool mapInBulkFirst : {false, true}) {
      void* mapped = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
      if (mapped == MAP_FAILED) return 1;
      auto* memory = static_cast<char*>(mapped);
      (mapInBulkFirst ? inBulk : pageByPage).push_back(WriteOnTwoThreads(memory, bytes, mapInBulkFirst));
      if (mapInBulkFirst) again.push_back(WriteOnTwoThreads(memory, bytes, false));
      munmap(mapped, bytes);
    }
  }
  std::printf("fresh memory: a %sx%s picture (%.0f MB) written on two threads in %.0f ms page by page, "
              "%.0f ms mapped in bulk first; written again %.1f ms (medians of %d)\n",
              argv[1], argv[2], bytes / 1e6, Median(pageByPage), Median(inBulk), Median(again), kRuns);
  return 0;
}
