#include "fakes/fake_forms.h"

namespace orvane::testing {

bool FakeFormWindow::Tick(int timerId) {
  if (!TimerEnabled(timerId) || !loaded_) return false;
  handlers_.OnTimer(timerId);
  return true;
}

void FakeFormWindow::SetBounds(const platform::Rect& bounds) {
  controls_.box = {0, 0, bounds.right - bounds.left - frame_.x, bounds.bottom - bounds.top - frame_.y};
  calls_.push_back(L"SetBounds(" + Numbers({bounds.left, bounds.top, bounds.right, bounds.bottom}) + L")");
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
                                                                   platform::FormHandlers& handlers,
                                                                   const platform::FormStyle& style) {
  const bool dialog = style.border == platform::FormBorder::kFixedDialog;
  calls_.push_back(L"CreateForm(" + title +
                   (dialog ? L", dialog " + Numbers({style.clientWidth, style.clientHeight}) : L"") + L")");
  auto created = std::make_unique<FakeFormWindow>(handlers, calls_, style, dialog ? dialogFrame : platform::Point{});
  form = created.get();
  return created;
}

std::unique_ptr<platform::PixelImage> FakeFormServices::CreateImage(std::int32_t width, std::int32_t height) {
  const std::wstring name = L"image" + std::to_wstring(++images_);
  calls_.push_back(L"CreateImage(" + name + L", " + Numbers({width, height}) + L")");
  return std::make_unique<FakePixelImage>(name, width, height, calls_);
}

std::unique_ptr<platform::PixelImage> FakeFormServices::LoadPicture(const std::wstring& pictureName) {
  const auto found = pictures.find(pictureName);
  if (found == pictures.end()) return nullptr;
  return std::make_unique<FakePixelImage>(pictureName, found->second.first, found->second.second, calls_);
}

std::optional<std::wstring> FakeFormServices::ChooseFileToOpen(const platform::OpenFileRequest& request) {
  calls_.push_back(L"ChooseFileToOpen(owner " + std::to_wstring(request.owner) + L", " +
                   request.filterDescription + L" | " + request.filterPattern + L", buffers " +
                   Numbers({int(request.fileBufferSize), int(request.fileTitleBufferSize)}) + L", " +
                   request.title + L", flags " + std::to_wstring(request.flags) + L")");
  return chosenFile;
}

}  // namespace orvane::testing
