// Counts the frames a native OpenGL program shows, for the renderer's benchmark: preloaded into
// the peer it is compared with (LD_PRELOAD), it counts each eglSwapBuffers in an 8-byte number
// in the file PEER_SWAPS_FILE names, which the benchmark reads while the peer runs.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>

namespace {

using SwapBuffers = unsigned (*)(void*, void*);

std::atomic<std::uint64_t>* MappedCount() {
  const char* path = std::getenv("PEER_SWAPS_FILE");
  const int file = path ? open(path, O_RDWR | O_CREAT, 0644) : -1;
  if (file < 0) return nullptr;
  void* mapped = ftruncate(file, sizeof(std::uint64_t)) == 0
                     ? mmap(nullptr, sizeof(std::uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, file, 0)
                     : MAP_FAILED;
  close(file);
  return mapped == MAP_FAILED ? nullptr : static_cast<std::atomic<std::uint64_t>*>(mapped);
}

}  // namespace

extern "C" unsigned eglSwapBuffers(void* display, void* surface) {
  static const auto real = reinterpret_cast<SwapBuffers>(dlsym(RTLD_NEXT, "eglSwapBuffers"));
  static std::atomic<std::uint64_t>* const count = MappedCount();
  const unsigned shown = real(display, surface);
  if (count) count->fetch_add(1, std::memory_order_relaxed);
  return shown;
}
