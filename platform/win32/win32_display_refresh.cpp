#include <windows.h>

#include <optional>

#include "platform/win32/finer_timer_period.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_function.h"
#include "platform/win32/win32_platform.h"

namespace orvane::platform::win32 {
namespace {

using Time = DisplayServices::Time;

constexpr DWORD kDefaultRefreshRate = 60;
// CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, from Windows 10 version 1803 on; older systems refuse it.
constexpr DWORD kHighResolutionTimer = 0x00000002;

bool RunsUnderWine() {
  static const bool wine =
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  return wine;
}

// The compositor's functions come from dwmapi.dll, which is not among the DLLs the system always
// takes from its own folder, so it is loaded by hand, when first wanted, rather than imported.
struct Compositor {
  HRESULT(WINAPI* isCompositionEnabled)(BOOL*);
  HRESULT(WINAPI* flush)();
};

const Compositor& CompositorFunctions() {
  static const Compositor functions{
      SystemFunction<HRESULT(WINAPI*)(BOOL*)>(L"dwmapi.dll", "DwmIsCompositionEnabled"),
      SystemFunction<HRESULT(WINAPI*)()>(L"dwmapi.dll", "DwmFlush")};
  return functions;
}

bool CompositorDrawsTheDesktop() {
  if (RunsUnderWine()) return false;
  const Compositor& compositor = CompositorFunctions();
  BOOL enabled = FALSE;
  return compositor.isCompositionEnabled && compositor.flush &&
         SUCCEEDED(compositor.isCompositionEnabled(&enabled)) && enabled;
}

// Sleeps until the timer fires, handling each window message as it arrives; false once the
// program's last window has gone.
bool WaitHandlingMessages(HANDLE timer) {
  for (;;) {
    const DWORD woken = MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_ALLINPUT,
                                                    MWMO_INPUTAVAILABLE);
    if (woken != WAIT_OBJECT_0 + 1) return true;  // the timer fired, or waiting failed
    if (!HandleWaitingMessages()) return false;
  }
}

// Waits until `due` with the finest timer the system has; false once the program's last
// window has gone.
bool WaitUntil(Time due, Time now) {
  if (due <= now) return HandleWaitingMessages();
  UniqueKernelHandle timer(CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer,
                                                  TIMER_ALL_ACCESS));
  std::optional<FinerTimerPeriod> finerPeriod;
  if (!timer) {
    finerPeriod.emplace();
    timer.reset(CreateWaitableTimerW(nullptr, FALSE, nullptr));
  }
  LARGE_INTEGER relativeDue;
  relativeDue.QuadPart = -(due - now).count() * 10;  // in 100 ns units, negative for relative
  if (!timer || !SetWaitableTimer(timer.get(), &relativeDue, 0, nullptr, nullptr, FALSE)) {
    return HandleWaitingMessages();
  }
  return WaitHandlingMessages(timer.get());
}

}  // namespace

Time Win32DisplayServices::Now() {
  return std::chrono::duration_cast<Time>(std::chrono::steady_clock::now().time_since_epoch());
}

Time Win32DisplayServices::RefreshInterval() {
  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  DWORD rate = 0;
  if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)) rate = mode.dmDisplayFrequency;
  // 0 and 1 stand for the hardware's default rate, which the system does not tell.
  if (rate <= 1) rate = kDefaultRefreshRate;
  return Time((1'000'000 + rate / 2) / rate);
}

Time Win32DisplayServices::WaitForRefresh(Time due) {
  // DwmFlush returns with the compositor's next pass, the moment the frame reaches the screen.
  if (CompositorDrawsTheDesktop() && SUCCEEDED(CompositorFunctions().flush())) {
    HandleWaitingMessages();
    return Now();
  }
  return WaitUntil(due, Now()) ? due : Now();
}

}  // namespace orvane::platform::win32
