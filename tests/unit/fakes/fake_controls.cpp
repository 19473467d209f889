#include "fakes/fake_controls.h"

namespace orvane::testing {

FakeControl* FakeControl::Find(int controlId) {
  if (id == controlId) return this;
  for (const auto& control : controls) {
    if (FakeControl* found = control->Find(controlId)) return found;
  }
  return nullptr;
}

FakeControl& FakeControl::Add(int controlId, const platform::Rect& at) {
  controls.push_back(std::make_unique<FakeControl>(controlId, at, 0x6000 + controlId, calls_));
  return *controls.back();
}

platform::Label& FakeControl::AddLabel(int controlId, const platform::Rect& at, const std::wstring& labelCaption,
                                       const platform::LabelStyle& labelStyle) {
  FakeControl& label = Add(controlId, at);
  label.caption = labelCaption;
  label.style = labelStyle;
  return label;
}

platform::ImageControl& FakeControl::AddImage(int controlId, const platform::Rect& at, bool stretched) {
  FakeControl& image = Add(controlId, at);
  image.stretch = stretched;
  return image;
}

platform::DrawnControl& FakeControl::AddDrawnControl(int controlId, const platform::Rect& at,
                                                     const std::wstring& windowClass,
                                                     platform::DrawnControlHandlers& controlHandlers) {
  FakeControl& control = Add(controlId, at);
  control.className = windowClass;
  control.handlers = &controlHandlers;
  return control;
}

}  // namespace orvane::testing
