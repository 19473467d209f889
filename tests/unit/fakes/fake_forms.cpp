#include "fakes/fake_forms.h"

namespace orvane::testing {
namespace {

std::wstring Numbers(std::initializer_list<std::int32_t> values) {
  std::wstring text;
  for (const std::int32_t value : values) text += (text.empty() ? L"" : L", ") + std::to_wstring(value);
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
  clientWidth_ = bounds.right - bounds.left;
  clientHeight_ = bounds.bottom - bounds.top;
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
                                                                   platform::FormHandlers& handlers) {
  calls_.push_back(L"CreateForm(" + title + L")");
  auto created = std::make_unique<FakeFormWindow>(title, handlers, calls_);
  form = created.get();
  return created;
}

std::unique_ptr<platform::PixelImage> FakeFormServices::CreateImage(std::int32_t width,
                                                                    std::int32_t height) {
  const std::wstring name = L"image" + std::to_wstring(++images_);
  calls_.push_back(L"CreateImage(" + name + L", " + Numbers({width, height}) + L")");
  return std::make_unique<FakePixelImage>(name, width, height, calls_);
}

void FakeFormServices::ProcessPendingMessages() {
  calls_.push_back(L"ProcessPendingMessages");
  if (onPendingMessages) onPendingMessages();
}

}  // namespace orvane::testing
