#include "fakes/fake_controls.h"

namespace orvane::testing {
namespace {

std::wstring Text(const platform::Rect& box) {
  return std::to_wstring(box.left) + L" " + std::to_wstring(box.top) + L" " +
         std::to_wstring(box.right - box.left) + L" x " + std::to_wstring(box.bottom - box.top);
}

}  // namespace

void FakeLabel::SetCaption(const std::wstring& text) {
  caption = text;
  calls_.push_back(L"Label " + std::to_wstring(id) + L": SetCaption(" + text + L")");
}

void FakeImageControl::SetPicture(const std::wstring& pictureName) {
  picture = pictureName;
  calls_.push_back(L"Image " + std::to_wstring(id) + L": SetPicture(" + pictureName + L")");
}

void FakeImageControl::Move(const platform::Rect& newBox) {
  box = newBox;
  calls_.push_back(L"Image " + std::to_wstring(id) + L": Move(" + Text(newBox) + L")");
}

void FakeComboBox::SetEnabled(bool enable) {
  enabled = enable;
  calls_.push_back(L"Combo " + std::to_wstring(id) + (enable ? L": SetEnabled(true)" : L": SetEnabled(false)"));
}

void FakeComboBox::SetText(const std::wstring& newText) {
  text = newText;
  calls_.push_back(L"Combo " + std::to_wstring(id) + L": SetText(" + newText + L")");
}

FakeDrawnControl::FakeDrawnControl(int id, const platform::Rect& box, std::wstring className,
                                   platform::DrawnControlHandlers& handlers,
                                   std::vector<std::wstring>& calls)
    : id(id),
      box(box),
      className(std::move(className)),
      handlers(handlers),
      image(L"control " + std::to_wstring(id), box.right - box.left, box.bottom - box.top, calls),
      calls_(calls) {}

void FakeDrawnControl::Present() { calls_.push_back(L"control " + std::to_wstring(id) + L": Present"); }

void FakeDrawnControl::SetEnabled(bool enable) {
  enabled = enable;
  calls_.push_back(L"control " + std::to_wstring(id) +
                   (enable ? L": SetEnabled(true)" : L": SetEnabled(false)"));
}

void FakeDrawnControl::EnableTimer(int timerId, std::uint32_t intervalMs) {
  timers[timerId] = intervalMs;
  calls_.push_back(L"control " + std::to_wstring(id) + L": EnableTimer(" +
                   std::to_wstring(timerId) + L", " + std::to_wstring(intervalMs) + L")");
}

FakeControlContainer::~FakeControlContainer() = default;

platform::Label& FakeControlContainer::AddLabel(int controlId, const platform::Rect& box,
                                                const std::wstring& caption,
                                                const platform::LabelStyle& style) {
  calls_.push_back(name_ + L": AddLabel(" + std::to_wstring(controlId) + L", " + Text(box) + L", " +
                   caption + L")");
  auto& label = labels_[controlId];
  label = std::make_unique<FakeLabel>(controlId, box, caption, style, calls_);
  return *label;
}

platform::ImageControl& FakeControlContainer::AddImage(int controlId, const platform::Rect& box,
                                                       bool stretch) {
  calls_.push_back(name_ + L": AddImage(" + std::to_wstring(controlId) + L", " + Text(box) +
                   (stretch ? L", stretched)" : L")"));
  auto& image = images_[controlId];
  image = std::make_unique<FakeImageControl>(controlId, box, stretch, calls_);
  return *image;
}

platform::ComboBox& FakeControlContainer::AddComboBox(int controlId, const platform::Rect& box,
                                                      const platform::FontDescription& font) {
  calls_.push_back(name_ + L": AddComboBox(" + std::to_wstring(controlId) + L", " + Text(box) +
                   L", " + font.name + L")");
  auto& combo = comboBoxes_[controlId];
  combo = std::make_unique<FakeComboBox>(controlId, box, calls_);
  return *combo;
}

platform::PictureBox& FakeControlContainer::AddPictureBox(int controlId, const platform::Rect& box) {
  calls_.push_back(name_ + L": AddPictureBox(" + std::to_wstring(controlId) + L", " + Text(box) +
                   L")");
  auto& pictureBox = pictureBoxes_[controlId];
  pictureBox = std::make_unique<FakePictureBox>(controlId, box, calls_);
  return *pictureBox;
}

platform::DrawnControl& FakeControlContainer::AddDrawnControl(
    int controlId, const platform::Rect& box, const std::wstring& className,
    platform::DrawnControlHandlers& handlers) {
  calls_.push_back(name_ + L": AddDrawnControl(" + std::to_wstring(controlId) + L", " + Text(box) +
                   L", " + className + L")");
  auto& control = drawnControls_[controlId];
  control = std::make_unique<FakeDrawnControl>(controlId, box, className, handlers, calls_);
  return *control;
}

void FakeControlContainer::AddFrame(const platform::Rect& box, platform::Colour colour) {
  calls_.push_back(name_ + L": AddFrame(" + Text(box) + L")");
  frames.emplace_back(box, colour);
}

template <typename Control>
Control* FakeControlContainer::Find(
    std::map<int, std::unique_ptr<Control>> FakeControlContainer::*controls, int id) {
  const auto found = (this->*controls).find(id);
  if (found != (this->*controls).end()) return found->second.get();
  for (auto& [_, pictureBox] : pictureBoxes_) {
    if (Control* control = pictureBox->controls.Find(controls, id)) return control;
  }
  return nullptr;
}

FakeLabel* FakeControlContainer::FindLabel(int id) { return Find(&FakeControlContainer::labels_, id); }
FakeImageControl* FakeControlContainer::FindImage(int id) {
  return Find(&FakeControlContainer::images_, id);
}
FakeComboBox* FakeControlContainer::FindComboBox(int id) {
  return Find(&FakeControlContainer::comboBoxes_, id);
}
FakeDrawnControl* FakeControlContainer::FindDrawnControl(int id) {
  return Find(&FakeControlContainer::drawnControls_, id);
}
FakePictureBox* FakeControlContainer::FindPictureBox(int id) {
  return Find(&FakeControlContainer::pictureBoxes_, id);
}

FakePictureBox::FakePictureBox(int id, const platform::Rect& box, std::vector<std::wstring>& calls)
    : id(id),
      box(box),
      controls(L"picture " + std::to_wstring(id), 0x7000 + id, calls),
      image(L"picture " + std::to_wstring(id), box.right - box.left, box.bottom - box.top, calls) {}

}  // namespace orvane::testing
