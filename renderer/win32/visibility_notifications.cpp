#include "renderer/win32/visibility_notifications.h"

#include <cstring>

#include "platform/win32/system_function.h"

namespace orvane::renderer::win32 {
namespace {

using platform::win32::SystemFunction;

constexpr UINT kSessionChangeMessage = 0x02B1;  // WM_WTSSESSION_CHANGE
constexpr UINT kPowerBroadcastMessage = 0x0218;  // WM_POWERBROADCAST
constexpr WPARAM kPowerSettingChange = 0x8013;   // PBT_POWERSETTINGCHANGE
constexpr DWORD kThisSessionOnly = 0;            // NOTIFY_FOR_THIS_SESSION
constexpr DWORD kToWindowHandle = 0;             // DEVICE_NOTIFY_WINDOW_HANDLE
// GUID_CONSOLE_DISPLAY_STATE and GUID_SESSION_DISPLAY_STATUS: 0 off, 1 on, 2 dimmed.
constexpr GUID kConsoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr GUID kSessionDisplayStatus = {0x2b84c20e, 0xad23, 0x4ddf, {0x93, 0xdb, 0x05, 0xff, 0xbd, 0x7e, 0xfc, 0xa5}};

// What a power setting notification carries (POWERBROADCAST_SETTING).
struct PowerSetting {
  GUID setting;
  DWORD dataLength;
  unsigned char data[1];
};

// wtsapi32 is not among the DLLs the system always takes from its own folder, and user32's
// functions came with Windows Vista: all are looked up.
struct SystemFunctions {
  BOOL(WINAPI* registerSession)(HWND, DWORD);
  BOOL(WINAPI* unregisterSession)(HWND);
  void*(WINAPI* registerPower)(HANDLE, const GUID*, DWORD);
  BOOL(WINAPI* unregisterPower)(void*);
};

const SystemFunctions& Functions() {
  static const SystemFunctions functions{
      SystemFunction<BOOL(WINAPI*)(HWND, DWORD)>(L"wtsapi32.dll", "WTSRegisterSessionNotification"),
      SystemFunction<BOOL(WINAPI*)(HWND)>(L"wtsapi32.dll", "WTSUnRegisterSessionNotification"),
      SystemFunction<void*(WINAPI*)(HANDLE, const GUID*, DWORD)>(L"user32.dll", "RegisterPowerSettingNotification"),
      SystemFunction<BOOL(WINAPI*)(void*)>(L"user32.dll", "UnregisterPowerSettingNotification")};
  return functions;
}

}  // namespace

VisibilityNotifications::VisibilityNotifications(HWND window) : window_(window) {
  const SystemFunctions& system = Functions();
  if (system.registerSession && system.unregisterSession) {
    sessionChanges_ = system.registerSession(window, kThisSessionOnly);
  }
  if (system.registerPower && system.unregisterPower) {
    consoleDisplay_ = system.registerPower(window, &kConsoleDisplayState, kToWindowHandle);
    sessionDisplay_ = system.registerPower(window, &kSessionDisplayStatus, kToWindowHandle);
  }
}

VisibilityNotifications::~VisibilityNotifications() {
  const SystemFunctions& system = Functions();
  if (sessionChanges_) system.unregisterSession(window_);
  for (void* notification : {consoleDisplay_, sessionDisplay_}) {
    if (notification) system.unregisterPower(notification);
  }
}

bool TakeVisibilityMessage(UINT message, WPARAM wParam, LPARAM lParam, SceneVisibility& visibility) {
  if (message == kSessionChangeMessage) {
    visibility.OnSessionChange(static_cast<unsigned>(wParam));
    return true;
  }
  if (message != kPowerBroadcastMessage || wParam != kPowerSettingChange || !lParam) return false;
  const auto* setting = reinterpret_cast<const PowerSetting*>(lParam);
  const bool display = IsEqualGUID(setting->setting, kConsoleDisplayState) ||
                       IsEqualGUID(setting->setting, kSessionDisplayStatus);
  if (display && setting->dataLength >= sizeof(DWORD)) {
    DWORD state = 0;
    std::memcpy(&state, setting->data, sizeof state);
    visibility.OnDisplayState(state);
  }
  return true;
}

}  // namespace orvane::renderer::win32
