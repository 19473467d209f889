#include "fakes/fake_forms.h"

#include <cwchar>
#include <sstream>

#include "fakes/fake_controls.h"

namespace orvane::testing {
namespace {

std::wstring Numbers(std::initializer_list<std::int32_t> values) {
  std::wstring text;
  for (const std::int32_t value : values) text += (text.empty() ? L"" : L", ") + std::to_wstring(value);
  return text;
}

std::wstring Box(const platform::Rect& box) {
  return Numbers({box.left, box.top, box.right - box.left, box.bottom - box.top});
}

std::wstring Hex(std::uint32_t value, int digits) {
  wchar_t text[12];
  std::swprintf(text, 12, L"%0*X", digits, value);
  return text;
}

}  // namespace

void FakePixelImage::Resize(std::int32_t width, std::int32_t height) {
  width_ = width;
  height_ = height;
  calls_.push_back(name_ + L": Resize(" + Numbers({width, height}) + L")");
}

void FakePixelImage::CopyFromScreen() { calls_.push_back(name_ + L": CopyFromScreen"); }

void FakePixelImage::CopyFrom(PixelImage& source, std::int32_t sourceX, std::int32_t sourceY,
                              std::int32_t width, std::int32_t height, std::int32_t destinationX,
                              std::int32_t destinationY) {
  calls_.push_back(name_ + L": CopyFrom(" + static_cast<FakePixelImage&>(source).Name() + L", " +
                   Numbers({sourceX, sourceY, width, height, destinationX, destinationY}) + L")");
}

void FakePixelImage::FillRectangle(std::int32_t x, std::int32_t y, std::int32_t width,
                                   std::int32_t height, platform::Colour colour) {
  calls_.push_back(name_ + L": FillRectangle(" +
                   Numbers({x, y, width, height, static_cast<std::int32_t>(colour)}) + L")");
}

void FakePixelImage::DrawLine(const platform::Point& from, const platform::Point& to,
                              platform::Colour colour) {
  calls_.push_back(name_ + L": DrawLine(" +
                   Numbers({from.x, from.y, to.x, to.y, static_cast<std::int32_t>(colour)}) + L")");
}

void FakePixelImage::StretchFrom(PixelImage& source, const platform::Rect& from,
                                 const platform::Rect& to) {
  calls_.push_back(name_ + L": StretchFrom(" + static_cast<FakePixelImage&>(source).Name() + L", " +
                   Box(from) + L" to " + Box(to) + L")");
}

void FakePixelImage::GradientFill(const std::vector<platform::GradientVertex>& vertices,
                                  const std::vector<platform::GradientRectangle>& mesh,
                                  platform::GradientDirection direction) {
  std::wstring call = name_ + L": GradientFill(";
  for (const auto& v : vertices) {
    call += L"[" + Numbers({v.x, v.y}) + L" " + Hex(v.red, 4) + L" " + Hex(v.green, 4) + L" " +
            Hex(v.blue, 4) + L" " + Hex(v.alpha, 4) + L"] ";
  }
  for (const auto& r : mesh) {
    call += L"mesh " + std::to_wstring(r.upperLeft) + L" " + std::to_wstring(r.lowerRight) + L" ";
  }
  call += direction == platform::GradientDirection::kVertical ? L"vertical)" : L"horizontal)";
  calls_.push_back(call);
}

void FakePixelImage::DrawCentredText(const std::wstring& text, const platform::Rect& box,
                                     const platform::FontDescription& font, platform::Colour colour,
                                     bool greyed) {
  std::wostringstream size;
  size << font.sizePoints;
  calls_.push_back(name_ + L": DrawCentredText(" + text + L", " + Box(box) + L", " + font.name +
                   L" " + size.str() + L", " + Hex(colour, 6) + (greyed ? L", greyed)" : L")"));
}

FakeFormWindow::FakeFormWindow(std::wstring title, platform::FormHandlers& handlers,
                               std::vector<std::wstring>& calls, const platform::FormStyle& style,
                               platform::Point frame)
    : title_(std::move(title)),
      handlers_(handlers),
      calls_(calls),
      style_(style),
      frame_(frame),
      image_(L"window", style.clientWidth, style.clientHeight, calls),
      controls_(std::make_unique<FakeControlContainer>(L"form", Handle(), calls)),
      clientWidth_(style.clientWidth),
      clientHeight_(style.clientHeight) {}

FakeFormWindow::~FakeFormWindow() = default;

bool FakeFormWindow::Tick(int timerId) {
  if (!TimerEnabled(timerId) || !loaded_) return false;
  handlers_.OnTimer(timerId);
  return true;
}

std::uint32_t FakeFormWindow::TimerInterval(int timerId) const {
  const auto found = timers_.find(timerId);
  return found == timers_.end() ? 0 : found->second;
}

void FakeFormWindow::SetBounds(const platform::Rect& bounds) {
  clientWidth_ = bounds.right - bounds.left - frame_.x;
  clientHeight_ = bounds.bottom - bounds.top - frame_.y;
  calls_.push_back(L"SetBounds(" + Numbers({bounds.left, bounds.top, bounds.right, bounds.bottom}) +
                   L")");
}

void FakeFormWindow::Show() {
  visible_ = true;
  calls_.push_back(L"Show");
}

void FakeFormWindow::Hide() {
  visible_ = false;
  calls_.push_back(L"Hide");
}

void FakeFormWindow::ShowModal() {
  visible_ = true;
  calls_.push_back(L"ShowModal");
}

platform::ControlContainer& FakeFormWindow::Controls() { return *controls_; }

void FakeFormWindow::EnableTimer(int timerId, std::uint32_t intervalMs) {
  timers_[timerId] = intervalMs;
  calls_.push_back(L"EnableTimer(" + Numbers({timerId, static_cast<std::int32_t>(intervalMs)}) + L")");
}

void FakeFormWindow::DisableTimer(int timerId) {
  timers_.erase(timerId);
  calls_.push_back(L"DisableTimer(" + std::to_wstring(timerId) + L")");
}

void FakeFormWindow::Unload() {
  if (!loaded_) return;
  calls_.push_back(L"Unload");
  handlers_.OnQueryUnload();
  handlers_.OnUnload();
  timers_.clear();
  loaded_ = false;
  visible_ = false;
}

std::unique_ptr<platform::FormWindow> FakeFormServices::CreateForm(const std::wstring& title,
                                                                   platform::FormHandlers& handlers,
                                                                   const platform::FormStyle& style) {
  const bool dialog = style.border == platform::FormBorder::kFixedDialog;
  if (dialog) {
    calls_.push_back(L"CreateForm(" + title + L", dialog " +
                     Numbers({style.clientWidth, style.clientHeight}) + L")");
  } else {
    calls_.push_back(L"CreateForm(" + title + L")");
  }
  auto created = std::make_unique<FakeFormWindow>(title, handlers, calls_, style,
                                                  dialog ? dialogFrame : platform::Point{});
  form = created.get();
  return created;
}

std::unique_ptr<platform::PixelImage> FakeFormServices::CreateImage(std::int32_t width,
                                                                    std::int32_t height) {
  const std::wstring name = L"image" + std::to_wstring(++images_);
  calls_.push_back(L"CreateImage(" + name + L", " + Numbers({width, height}) + L")");
  return std::make_unique<FakePixelImage>(name, width, height, calls_);
}

std::unique_ptr<platform::PixelImage> FakeFormServices::LoadPicture(const std::wstring& pictureName) {
  calls_.push_back(L"LoadPicture(" + pictureName + L")");
  const auto found = pictures.find(pictureName);
  if (found == pictures.end()) return nullptr;
  return std::make_unique<FakePixelImage>(pictureName, found->second.first, found->second.second,
                                          calls_);
}

void FakeFormServices::SetScreenPointer(platform::ScreenPointer pointer) {
  calls_.push_back(pointer == platform::ScreenPointer::kHourglass ? L"SetScreenPointer(hourglass)"
                                                                  : L"SetScreenPointer(default)");
}

std::optional<std::wstring> FakeFormServices::ChooseFileToOpen(const platform::OpenFileRequest& request) {
  calls_.push_back(L"ChooseFileToOpen(owner " + std::to_wstring(request.owner) + L", " +
                   request.filterDescription + L" | " + request.filterPattern + L", buffers " +
                   std::to_wstring(request.fileBufferSize) + L" " +
                   std::to_wstring(request.fileTitleBufferSize) + L", " + request.title +
                   L", flags " + std::to_wstring(request.flags) + L")");
  return chosenFile;
}

void FakeFormServices::ProcessPendingMessages() {
  calls_.push_back(L"ProcessPendingMessages");
  if (onPendingMessages) onPendingMessages();
}

}  // namespace orvane::testing
