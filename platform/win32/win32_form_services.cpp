#include "platform/win32/win32_form_services.h"

#include <windows.h>
#include <commdlg.h>

#include <cstddef>
#include <set>
#include <utility>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/picture_window_messages.h"
#include "platform/win32/system_function.h"
#include "platform/win32/win32_picture.h"
#include "platform/win32/win32_pixel_image.h"
#include "platform/win32/window_class.h"

namespace orvane::platform::win32 {
namespace {

constexpr wchar_t kFormClassName[] = L"ThreeDOrvane.Form";

class Win32FormWindow final : public FormWindow {
 public:
  Win32FormWindow(const std::wstring& title, FormHandlers& handlers, const FormStyle& style,
                  const WindowSurroundings& surroundings);
  ~Win32FormWindow() override;

  WindowHandle Handle() override { return reinterpret_cast<WindowHandle>(window_); }
  void SetBounds(const Rect& bounds) override;
  std::int32_t ClientWidth() override;
  std::int32_t ClientHeight() override;
  void Show() override { ShowWindow(window_, SW_SHOWNORMAL); }
  void Hide() override { ShowWindow(window_, SW_HIDE); }
  void ShowModal() override;
  ControlContainer& Controls() override { return *controls_; }
  void EnableTimer(int timerId, std::uint32_t intervalMs) override;
  void DisableTimer(int timerId) override;
  bool TimerEnabled(int timerId) override { return enabledTimers_.count(timerId) > 0; }
  PixelImage& Image() override { return image_; }
  void Present() override;
  void PresentBlocks(const std::vector<PresentedBlock>& blocks) override;
  bool RepaintedSinceAsked() override { return std::exchange(repainted_, false); }
  void Unload() override;
  bool IsLoaded() override { return window_ != nullptr; }

  // Every message of the window, from its window procedure.
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Paint(HDC dc);
  // The window has gone without Unload: its parent, another program's window, went.
  void OnDestroyedFromOutside();
  // What is left to do once the window is going: its timers.
  void Forget();

  FormHandlers& handlers_;
  const ScreenPointerSetting& screenPointer_;
  const Colour background_;
  HWND window_ = nullptr;
  Win32PixelImage image_;
  std::set<int> enabledTimers_;
  std::unique_ptr<Win32ControlLayer> controls_;
  bool repainted_ = false;
};

struct WindowFrame {
  DWORD style;
  DWORD extendedStyle;
};

WindowFrame FrameOf(FormBorder border) {
  if (border == FormBorder::kFixedDialog) {
    return {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
            WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT};
  }
  return {WS_POPUP | WS_CLIPCHILDREN, 0};
}

Win32FormWindow::Win32FormWindow(const std::wstring& title, FormHandlers& handlers,
                                 const FormStyle& style, const WindowSurroundings& surroundings)
    : handlers_(handlers),
      screenPointer_(surroundings.pointer),
      background_(style.background),
      image_(style.clientWidth, style.clientHeight, surroundings.display) {
  if (!RegisterWindowClass<Win32FormWindow>({kFormClassName})) ThrowLastError("RegisterClassW");
  image_.FillRectangle(0, 0, style.clientWidth, style.clientHeight, background_);
  const WindowFrame frame = FrameOf(style.border);
  RECT outer{0, 0, style.clientWidth, style.clientHeight};
  AdjustWindowRectEx(&outer, frame.style, FALSE, frame.extendedStyle);
  window_ = CreateWindowExW(frame.extendedStyle, kFormClassName, title.c_str(), frame.style,
                            0, 0, outer.right - outer.left, outer.bottom - outer.top, nullptr,
                            nullptr, GetModuleHandleW(nullptr), this);
  if (!window_) ThrowLastError("CreateWindowExW");
  controls_ = std::make_unique<Win32ControlLayer>(window_, handlers_, surroundings);
}

Win32FormWindow::~Win32FormWindow() {
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

LRESULT Win32FormWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) window_ = window;
  if (const auto answer = AnswerPictureWindowMessage(window, message, wParam, screenPointer_,
                                                     [this](HDC dc) { Paint(dc); })) {
    return *answer;
  }
  switch (message) {
    case WM_TIMER:
      if (TimerEnabled(static_cast<int>(wParam))) handlers_.OnTimer(static_cast<int>(wParam));
      return 0;
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_ENDSESSION:
      if (wParam) Unload();
      return 0;
    case WM_DESTROY:
      OnDestroyedFromOutside();
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Win32FormWindow::Paint(HDC dc) {
  RECT client{};
  GetClientRect(window_, &client);
  // Beyond the image, the window shows its background colour.
  using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
  const UniqueBrush background(CreateSolidBrush(background_));
  ExcludeClipRect(dc, 0, 0, image_.Width(), image_.Height());
  FillRect(dc, &client, background.get());
  SelectClipRgn(dc, nullptr);
  BitBlt(dc, 0, 0, image_.Width(), image_.Height(), image_.DeviceContext(), 0, 0, SRCCOPY);
  controls_->DrawFrames(dc);
  repainted_ = true;
}

void Win32FormWindow::ShowModal() {
  Show();
  MSG message;
  while (window_) {
    const BOOL received = GetMessageW(&message, nullptr, 0, 0);
    if (received <= 0) {
      // Whoever runs the main loop must still see the end of the program.
      if (received == 0) PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    // Tab and the arrow keys move the focus between the window's controls.
    if (window_ && IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32FormWindow::SetBounds(const Rect& bounds) {
  SetWindowPos(window_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::int32_t Win32FormWindow::ClientWidth() {
  RECT client{};
  GetClientRect(window_, &client);
  return client.right;
}

std::int32_t Win32FormWindow::ClientHeight() {
  RECT client{};
  GetClientRect(window_, &client);
  return client.bottom;
}

void Win32FormWindow::EnableTimer(int timerId, std::uint32_t intervalMs) {
  if (!window_) return;  // a form that has gone has no timers
  if (!SetTimer(window_, static_cast<UINT_PTR>(timerId), intervalMs, nullptr)) ThrowLastError("SetTimer");
  enabledTimers_.insert(timerId);
}

void Win32FormWindow::DisableTimer(int timerId) {
  KillTimer(window_, static_cast<UINT_PTR>(timerId));
  enabledTimers_.erase(timerId);
}

void Win32FormWindow::Present() {
  PresentBlocks({{&image_, {0, 0, image_.Width(), image_.Height()}, {0, 0}}});
}

void Win32FormWindow::PresentBlocks(const std::vector<PresentedBlock>& blocks) {
  if (!IsWindowVisible(window_)) return;
  const WindowDC screen(window_);
  for (const PresentedBlock& block : blocks) {
    const Rect& area = block.area;
    BitBlt(screen.get(), block.at.x, block.at.y, area.right - area.left, area.bottom - area.top,
           static_cast<Win32PixelImage*>(block.image)->DeviceContext(), area.left, area.top, SRCCOPY);
  }
}

void Win32FormWindow::Unload() {
  if (!window_) return;
  handlers_.OnUnload();
  const HWND window = window_;
  Forget();
  DestroyWindow(window);
}

void Win32FormWindow::OnDestroyedFromOutside() {
  handlers_.OnUnload();
  Forget();
}

void Win32FormWindow::Forget() {
  for (const int timerId : enabledTimers_) KillTimer(window_, static_cast<UINT_PTR>(timerId));
  enabledTimers_.clear();
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
}

}  // namespace

std::unique_ptr<FormWindow> Win32FormServices::CreateForm(const std::wstring& title,
                                                          FormHandlers& handlers,
                                                          const FormStyle& style) {
  return std::make_unique<Win32FormWindow>(title, handlers, style, surroundings_);
}

std::unique_ptr<PixelImage> Win32FormServices::LoadPicture(const std::wstring& pictureName) {
  return LoadPictureResource(pictureName, surroundings_.display);
}

std::optional<std::wstring> Win32FormServices::ChooseFileToOpen(const OpenFileRequest& request) {
  // The record without the later extension fields: 76 bytes in a 32-bit program.
  constexpr DWORD kRecordSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR);
  static_assert(sizeof(void*) != 4 || kRecordSize == 76);
  std::wstring filter = request.filterDescription;
  filter += L'\0';
  filter += request.filterPattern;
  filter += L'\0';  // the list ends with a second NUL, the string's own
  std::vector<wchar_t> file(request.fileBufferSize, L'\0');
  std::vector<wchar_t> fileTitle(request.fileTitleBufferSize, L'\0');

  OPENFILENAMEW record{};
  record.lStructSize = kRecordSize;
  record.hwndOwner = reinterpret_cast<HWND>(request.owner);
  record.hInstance = GetModuleHandleW(nullptr);
  record.lpstrFilter = filter.c_str();
  record.lpstrFile = file.data();
  record.nMaxFile = static_cast<DWORD>(file.size());
  record.lpstrFileTitle = fileTitle.data();
  record.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
  record.lpstrInitialDir = nullptr;
  record.lpstrTitle = request.title.c_str();
  record.Flags = request.flags;
  // The chooser's DLL pulls in much of the shell, so it loads when a file is first chosen rather
  // than at every start of the program.
  static const auto getOpenFileName =
      SystemFunction<decltype(&GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
  if (!getOpenFileName || getOpenFileName(&record) <= 0) return std::nullopt;
  return std::wstring(file.data());  // up to its first NUL
}

std::unique_ptr<PixelImage> Win32FormServices::CreateImage(std::int32_t width, std::int32_t height) {
  return std::make_unique<Win32PixelImage>(width, height, surroundings_.display);
}

void Win32FormServices::ProcessPendingMessages() { HandleWaitingMessages(); }

void Win32FormServices::EndMessageLoop() { PostQuitMessage(0); }

bool HandleWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

void RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace orvane::platform::win32
