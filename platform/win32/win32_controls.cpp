#include "platform/win32/win32_controls.h"

#include <string>

#include "platform/win32/gdi_font.h"
#include "platform/win32/handles.h"
#include "platform/win32/parent_background.h"
#include "platform/win32/picture_window_messages.h"
#include "platform/win32/win32_pixel_image.h"
#include "platform/win32/win32_picture.h"
#include "platform/win32/window_class.h"

namespace orvane::platform::win32 {
namespace {

constexpr wchar_t kLabelClass[] = L"ThreeDOrvane.Label";
constexpr wchar_t kImageClass[] = L"ThreeDOrvane.Image";
constexpr wchar_t kPictureBoxClass[] = L"ThreeDOrvane.PictureBox";

// A child window of a class of this program, whose messages go to the object that made it.
class ChildWindow : public Win32Control {
 public:
  ChildWindow() = default;
  ChildWindow(const ChildWindow&) = delete;
  ChildWindow& operator=(const ChildWindow&) = delete;
  ~ChildWindow() override {
    if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  }

  HWND hwnd() const { return window_; }

  // Every message of the window, from its window procedure.
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) window_ = window;
    if (message == WM_NCDESTROY) {
      window_ = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    }
    return OnMessage(message, wParam, lParam);
  }

 protected:
  // Makes the window; from then on its messages come to OnMessage. Called last in the
  // constructor of the control, so the messages of the creation reach it whole.
  void CreateChildWindow(const wchar_t* className, HWND parent, int controlId, const Rect& box,
                         DWORD style, DWORD extendedStyle, const std::wstring& text) {
    if (!RegisterWindowClass<ChildWindow>({className})) ThrowLastError("RegisterClassW");
    if (!CreateWindowExW(extendedStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                         box.left, box.top, box.right - box.left, box.bottom - box.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                         GetModuleHandleW(nullptr), this)) {
      ThrowLastError("CreateWindowExW");
    }
  }

  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
  }

 private:
  HWND window_ = nullptr;
};

// A label or an image: it shows what lies behind it around its content, and tells the form
// when a mouse button goes down on it and when a left click on it is complete.
class PressableWindow : public ChildWindow {
 public:
  PressableWindow(FormHandlers& handlers, const ScreenPointerSetting& screenPointer, int controlId,
                  Pointer pointer)
      : handlers_(handlers), screenPointer_(screenPointer), controlId_(controlId), pointer_(pointer) {}

 protected:
  virtual void DrawContent(HDC dc, const RECT& client) = 0;

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_PAINT:
        OnPaint();
        return 0;
      case WM_ERASEBKGND:
        return 1;  // the paint handler covers every pixel
      case WM_LBUTTONDOWN:
        // Held on to until the button comes up, so that the release decides the click.
        leftHeld_ = true;
        SetCapture(hwnd());
        handlers_.OnControlMouseDown(controlId_);
        return 0;
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
        handlers_.OnControlMouseDown(controlId_);
        return 0;
      case WM_LBUTTONUP:
        OnLeftButtonUp(lParam);
        return 0;
      case WM_SETCURSOR:
        if (screenPointer_.Show()) return TRUE;
        if (pointer_ == Pointer::kHand && LOWORD(lParam) == HTCLIENT) {
          SetCursor(LoadCursor(nullptr, IDC_HAND));
          return TRUE;
        }
        break;
    }
    return ChildWindow::OnMessage(message, wParam, lParam);
  }

 private:
  void OnPaint() {
    const PaintDC dc(hwnd());
    PaintParentBackground(hwnd(), dc.get());
    RECT client{};
    GetClientRect(hwnd(), &client);
    DrawContent(dc.get(), client);
  }

  void OnLeftButtonUp(LPARAM lParam) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const bool clicked = leftHeld_ && PtInRect(&client, at);
    leftHeld_ = false;
    if (GetCapture() == hwnd()) ReleaseCapture();
    // Last: the form's handler may unload the form, and this control with it.
    if (clicked) handlers_.OnControlClick(controlId_);
  }

  FormHandlers& handlers_;
  const ScreenPointerSetting& screenPointer_;
  const int controlId_;
  const Pointer pointer_;
  bool leftHeld_ = false;
};

class Win32Label final : public PressableWindow, public Label {
 public:
  Win32Label(HWND parent, FormHandlers& handlers, const WindowSurroundings& surroundings,
             int controlId, const Rect& box, const std::wstring& caption, const LabelStyle& style)
      : PressableWindow(handlers, surroundings.pointer, controlId, style.pointer),
        caption_(caption),
        style_(style),
        font_(MakeFont(style.font, surroundings.display.TwipsPerPixelY())) {
    // The window's text is the caption, so other programs can read it.
    CreateChildWindow(kLabelClass, parent, controlId, box, 0, 0, caption);
  }

  std::wstring Caption() override { return caption_; }

  void SetCaption(const std::wstring& caption) override {
    caption_ = caption;
    SetWindowTextW(hwnd(), caption.c_str());
    InvalidateRect(hwnd(), nullptr, FALSE);
  }

 private:
  void DrawContent(HDC dc, const RECT& client) override {
    const ScopedSelection font(dc, font_ ? static_cast<HGDIOBJ>(font_.get())
                                         : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, style_.colour);
    UINT format = DT_NOPREFIX | DT_TOP;
    format |= style_.alignment == TextAlignment::kCentre ? DT_CENTER : DT_LEFT;
    // An edit control's breaking also breaks a word too long for a line, such as a path.
    format |= style_.wordWrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
    RECT box = client;
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &box, format);
  }

  std::wstring caption_;
  const LabelStyle style_;
  UniqueFont font_;
};

class Win32Image final : public PressableWindow, public ImageControl {
 public:
  Win32Image(HWND parent, FormHandlers& handlers, const WindowSurroundings& surroundings,
             int controlId, const Rect& box, bool stretch)
      : PressableWindow(handlers, surroundings.pointer, controlId, Pointer::kDefault),
        display_(surroundings.display),
        stretch_(stretch) {
    CreateChildWindow(kImageClass, parent, controlId, box, 0, 0, L"");
  }

  void SetPicture(const std::wstring& pictureName) override {
    picture_ = LoadPictureResource(pictureName, display_);
    InvalidateRect(hwnd(), nullptr, FALSE);
  }

  void Move(const Rect& box) override {
    SetWindowPos(hwnd(), nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  void DrawContent(HDC dc, const RECT& client) override {
    if (!picture_) return;
    const HDC picture = picture_->DeviceContext();
    if (stretch_) {
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, 0, 0, client.right, client.bottom, picture, 0, 0, picture_->Width(),
                 picture_->Height(), SRCCOPY);
    } else {
      BitBlt(dc, 0, 0, picture_->Width(), picture_->Height(), picture, 0, 0, SRCCOPY);
    }
  }

  DisplayServices& display_;
  const bool stretch_;
  std::unique_ptr<Win32PixelImage> picture_;
};

// The system's own drop-down combo box with an editable field.
class Win32ComboBox final : public Win32Control, public ComboBox {
 public:
  Win32ComboBox(HWND parent, DisplayServices& display, int controlId, const Rect& box,
                const FontDescription& font)
      : font_(MakeFont(font, display.TwipsPerPixelY())) {
    constexpr int kListHeight = 200;
    const int height = box.bottom - box.top;
    window_ = CreateWindowExW(0, L"COMBOBOX", L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN |
                                  CBS_AUTOHSCROLL,
                              box.left, box.top, box.right - box.left, height + kListHeight,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                              GetModuleHandleW(nullptr), nullptr);
    if (!window_) ThrowLastError("CreateWindowExW");
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    // The closed box's height follows its field's, which is set until the box has the
    // height asked for. The field's height can read back other than it was set (Wine adds
    // two pixels), so each try goes on from the one set before.
    LRESULT field = SendMessageW(window_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; attempt < 3 && field > 0; ++attempt) {
      RECT shown{};
      GetWindowRect(window_, &shown);
      if (shown.bottom - shown.top == height) break;
      field += height - (shown.bottom - shown.top);
      SendMessageW(window_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
  }

  void SetEnabled(bool enabled) override { EnableWindow(window_, enabled); }

  std::wstring Text() override {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
    return text;
  }

  void SetText(const std::wstring& text) override { SetWindowTextW(window_, text.c_str()); }

  void AddItem(const std::wstring& item) override {
    SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }

 private:
  UniqueFont font_;  // before the window in the class, so it outlives it
  HWND window_ = nullptr;
};

// A control that draws itself into its image; its window only shows the image and hands the
// mouse, the focus and its timers to the handlers.
class Win32DrawnControl final : public ChildWindow, public DrawnControl {
 public:
  Win32DrawnControl(HWND parent, DisplayServices& display, int controlId, const Rect& box,
                    const std::wstring& className, DrawnControlHandlers& handlers)
      : image_(box.right - box.left, box.bottom - box.top, display) {
    CreateChildWindow(className.c_str(), parent, controlId, box,
                      WS_TABSTOP | WS_CLIPSIBLINGS, 0, L"");
    handlers_ = &handlers;
  }

  WindowHandle Handle() override { return reinterpret_cast<WindowHandle>(hwnd()); }
  PixelImage& Image() override { return image_; }
  void Present() override {
    // Not once the window has gone: RedrawWindow without a window redraws the whole screen.
    if (hwnd()) RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  void SetEnabled(bool enabled) override { EnableWindow(hwnd(), enabled); }
  void EnableTimer(int timerId, std::uint32_t intervalMs) override {
    if (!hwnd()) return;
    if (!SetTimer(hwnd(), static_cast<UINT_PTR>(timerId), intervalMs, nullptr)) ThrowLastError("SetTimer");
  }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    // The messages of the window's making are the window's own.
    if (!handlers_) return ChildWindow::OnMessage(message, wParam, lParam);
    switch (message) {
      case WM_PAINT: {
        const PaintDC dc(hwnd());
        BitBlt(dc.get(), 0, 0, image_.Width(), image_.Height(), image_.DeviceContext(), 0, 0,
               SRCCOPY);
        return 0;
      }
      case WM_ERASEBKGND: return 1;  // the image covers every pixel
      case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
      case WM_MOUSEMOVE: OnMouseMove(lParam); return 0;
      case WM_LBUTTONDOWN: OnButtonDown(MouseButton::kLeft); return 0;
      case WM_LBUTTONUP: OnButtonUp(MouseButton::kLeft, wParam); return 0;
      case WM_RBUTTONDOWN: OnButtonDown(MouseButton::kRight); return 0;
      case WM_RBUTTONUP: OnButtonUp(MouseButton::kRight, wParam); return 0;
      case WM_MBUTTONDOWN: OnButtonDown(MouseButton::kMiddle); return 0;
      case WM_MBUTTONUP: OnButtonUp(MouseButton::kMiddle, wParam); return 0;
      case WM_SETFOCUS: handlers_->OnGotFocus(); return 0;
      case WM_KILLFOCUS: handlers_->OnLostFocus(); return 0;
      case WM_TIMER: handlers_->OnTimer(static_cast<int>(wParam)); return 0;
    }
    return ChildWindow::OnMessage(message, wParam, lParam);
  }

  void OnSize(int width, int height) {
    if (width != image_.Width() || height != image_.Height()) image_.Resize(width, height);
    handlers_->OnResize();
  }

  void OnMouseMove(LPARAM position) {
    // While a press is held the moves off the control come here too; they are not over it.
    RECT client{};
    GetClientRect(hwnd(), &client);
    const POINT at{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    if (PtInRect(&client, at)) handlers_->OnMouseMove();
  }

  void OnButtonDown(MouseButton button) {
    // A left press takes the focus first, as a press on a native button does.
    if (button == MouseButton::kLeft && GetFocus() != hwnd()) SetFocus(hwnd());
    // Every release of a press begun here comes back here, even off the control.
    SetCapture(hwnd());
    handlers_->OnMouseDown(button);
  }

  void OnButtonUp(MouseButton button, WPARAM buttonsStillDown) {
    if (GetCapture() != hwnd()) {
      // Either this release's press went down elsewhere, or something took the capture and
      // the presses seen here ended out of sight.
      handlers_->OnPressesLost();
    } else if ((buttonsStillDown & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
      // Before the handler: it may open a window that needs the mouse.
      ReleaseCapture();
    }
    // Last: the handler may unload the form, and this control with it.
    handlers_->OnMouseUp(button);
  }

  Win32PixelImage image_;
  DrawnControlHandlers* handlers_ = nullptr;
};

class Win32PictureBox final : public ChildWindow, public PictureBox {
 public:
  Win32PictureBox(HWND parent, FormHandlers& handlers, const WindowSurroundings& surroundings,
                  int controlId, const Rect& box)
      : screenPointer_(surroundings.pointer),
        image_(box.right - box.left, box.bottom - box.top, surroundings.display) {
    image_.FillRectangle(0, 0, image_.Width(), image_.Height(),
                         static_cast<Colour>(GetSysColor(COLOR_BTNFACE)));
    CreateChildWindow(kPictureBoxClass, parent, controlId, box, WS_CLIPCHILDREN,
                      WS_EX_CONTROLPARENT, L"");
    controls_ = std::make_unique<Win32ControlLayer>(hwnd(), handlers, surroundings);
  }

  WindowHandle Handle() override { return controls_->Handle(); }
  Label& AddLabel(int controlId, const Rect& box, const std::wstring& caption,
                  const LabelStyle& style) override {
    return controls_->AddLabel(controlId, box, caption, style);
  }
  ImageControl& AddImage(int controlId, const Rect& box, bool stretch) override {
    return controls_->AddImage(controlId, box, stretch);
  }
  ComboBox& AddComboBox(int controlId, const Rect& box, const FontDescription& font) override {
    return controls_->AddComboBox(controlId, box, font);
  }
  PictureBox& AddPictureBox(int controlId, const Rect& box) override {
    return controls_->AddPictureBox(controlId, box);
  }
  DrawnControl& AddDrawnControl(int controlId, const Rect& box, const std::wstring& className,
                                DrawnControlHandlers& handlers) override {
    return controls_->AddDrawnControl(controlId, box, className, handlers);
  }
  void AddFrame(const Rect& box, Colour colour) override { controls_->AddFrame(box, colour); }
  PixelImage& Image() override { return image_; }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    const auto answer =
        AnswerPictureWindowMessage(hwnd(), message, wParam, screenPointer_, [this](HDC dc) { Paint(dc); });
    return answer ? *answer : ChildWindow::OnMessage(message, wParam, lParam);
  }

  void Paint(HDC dc) {
    BitBlt(dc, 0, 0, image_.Width(), image_.Height(), image_.DeviceContext(), 0, 0, SRCCOPY);
    if (controls_) controls_->DrawFrames(dc);
  }

  const ScreenPointerSetting& screenPointer_;
  Win32PixelImage image_;
  std::unique_ptr<Win32ControlLayer> controls_;
};

}  // namespace

Win32ControlLayer::Win32ControlLayer(HWND window, FormHandlers& handlers,
                                     const WindowSurroundings& surroundings)
    : window_(window), handlers_(handlers), surroundings_(surroundings) {}

Win32ControlLayer::~Win32ControlLayer() = default;

template <typename Control, typename... Arguments>
Control& Win32ControlLayer::Add(Arguments&&... arguments) {
  auto control = std::make_unique<Control>(std::forward<Arguments>(arguments)...);
  Control& added = *control;
  controls_.push_back(std::move(control));
  return added;
}

Label& Win32ControlLayer::AddLabel(int controlId, const Rect& box, const std::wstring& caption,
                                   const LabelStyle& style) {
  return Add<Win32Label>(window_, handlers_, surroundings_, controlId, box, caption, style);
}

ImageControl& Win32ControlLayer::AddImage(int controlId, const Rect& box, bool stretch) {
  return Add<Win32Image>(window_, handlers_, surroundings_, controlId, box, stretch);
}

ComboBox& Win32ControlLayer::AddComboBox(int controlId, const Rect& box, const FontDescription& font) {
  return Add<Win32ComboBox>(window_, surroundings_.display, controlId, box, font);
}

PictureBox& Win32ControlLayer::AddPictureBox(int controlId, const Rect& box) {
  return Add<Win32PictureBox>(window_, handlers_, surroundings_, controlId, box);
}

DrawnControl& Win32ControlLayer::AddDrawnControl(int controlId, const Rect& box,
                                                 const std::wstring& className,
                                                 DrawnControlHandlers& handlers) {
  return Add<Win32DrawnControl>(window_, surroundings_.display, controlId, box, className, handlers);
}

void Win32ControlLayer::AddFrame(const Rect& box, Colour colour) {
  frames_.emplace_back(box, colour);
  const RECT area{box.left, box.top, box.right, box.bottom};
  InvalidateRect(window_, &area, FALSE);
}

void Win32ControlLayer::DrawFrames(HDC dc) const {
  using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
  for (const auto& [box, colour] : frames_) {
    const UniqueBrush brush(CreateSolidBrush(colour));
    const RECT rect{box.left, box.top, box.right, box.bottom};
    FrameRect(dc, &rect, brush.get());
  }
}

}  // namespace orvane::platform::win32
