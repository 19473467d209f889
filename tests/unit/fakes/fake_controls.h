#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fakes/fake_forms.h"
#include "platform/form_controls.h"

namespace orvane::testing {

// Controls that keep what they are given and record every change into a shared call list,
// as "<kind> <id>: ...".
class FakeLabel : public platform::Label {
 public:
  FakeLabel(int id, const platform::Rect& box, std::wstring caption, platform::LabelStyle style,
            std::vector<std::wstring>& calls)
      : id(id), box(box), caption(std::move(caption)), style(std::move(style)), calls_(calls) {}

  const int id;
  const platform::Rect box;
  std::wstring caption;
  const platform::LabelStyle style;

  std::wstring Caption() override { return caption; }
  void SetCaption(const std::wstring& text) override;

 private:
  std::vector<std::wstring>& calls_;
};

class FakeImageControl : public platform::ImageControl {
 public:
  FakeImageControl(int id, const platform::Rect& box, bool stretch, std::vector<std::wstring>& calls)
      : id(id), box(box), stretch(stretch), calls_(calls) {}

  const int id;
  platform::Rect box;
  const bool stretch;
  std::wstring picture;  // empty until one is set

  void SetPicture(const std::wstring& pictureName) override;
  void Move(const platform::Rect& newBox) override;

 private:
  std::vector<std::wstring>& calls_;
};

class FakeComboBox : public platform::ComboBox {
 public:
  FakeComboBox(int id, const platform::Rect& box, std::vector<std::wstring>& calls)
      : id(id), box(box), calls_(calls) {}

  const int id;
  const platform::Rect box;
  bool enabled = true;
  std::wstring text;  // also what a test types into the field
  std::vector<std::wstring> items;

  void SetEnabled(bool enable) override;
  std::wstring Text() override { return text; }
  void SetText(const std::wstring& newText) override;
  void AddItem(const std::wstring& item) override { items.push_back(item); }

 private:
  std::vector<std::wstring>& calls_;
};

// A control that draws itself into an image named "control <id>"; a test hands its events to
// `handlers` as the window would.
class FakeDrawnControl : public platform::DrawnControl {
 public:
  FakeDrawnControl(int id, const platform::Rect& box, std::wstring className,
                   platform::DrawnControlHandlers& handlers, std::vector<std::wstring>& calls);

  const int id;
  const platform::Rect box;
  const std::wstring className;
  platform::DrawnControlHandlers& handlers;
  FakePixelImage image;
  bool enabled = true;
  std::map<int, std::uint32_t> timers;

  platform::WindowHandle Handle() override { return 0x6000 + id; }
  platform::PixelImage& Image() override { return image; }
  void Present() override;
  void SetEnabled(bool enable) override;
  void EnableTimer(int timerId, std::uint32_t intervalMs) override;

 private:
  std::vector<std::wstring>& calls_;
};

class FakePictureBox;

// The controls placed on a form or a picture box; the Find functions look into the picture
// boxes as well.
class FakeControlContainer : public platform::ControlContainer {
 public:
  FakeControlContainer(std::wstring name, platform::WindowHandle handle,
                       std::vector<std::wstring>& calls)
      : name_(std::move(name)), handle_(handle), calls_(calls) {}
  ~FakeControlContainer() override;

  platform::WindowHandle Handle() override { return handle_; }
  platform::Label& AddLabel(int controlId, const platform::Rect& box, const std::wstring& caption,
                            const platform::LabelStyle& style) override;
  platform::ImageControl& AddImage(int controlId, const platform::Rect& box, bool stretch) override;
  platform::ComboBox& AddComboBox(int controlId, const platform::Rect& box,
                                  const platform::FontDescription& font) override;
  platform::PictureBox& AddPictureBox(int controlId, const platform::Rect& box) override;
  platform::DrawnControl& AddDrawnControl(int controlId, const platform::Rect& box,
                                          const std::wstring& className,
                                          platform::DrawnControlHandlers& handlers) override;
  void AddFrame(const platform::Rect& box, platform::Colour colour) override;

  // Null when there is no such control here or in a picture box on it.
  FakeLabel* FindLabel(int id);
  FakeImageControl* FindImage(int id);
  FakeComboBox* FindComboBox(int id);
  FakePictureBox* FindPictureBox(int id);
  FakeDrawnControl* FindDrawnControl(int id);

  std::vector<std::pair<platform::Rect, platform::Colour>> frames;

 private:
  template <typename Control>
  Control* Find(std::map<int, std::unique_ptr<Control>> FakeControlContainer::*controls, int id);

  std::wstring name_;
  platform::WindowHandle handle_;
  std::vector<std::wstring>& calls_;
  std::map<int, std::unique_ptr<FakeLabel>> labels_;
  std::map<int, std::unique_ptr<FakeImageControl>> images_;
  std::map<int, std::unique_ptr<FakeComboBox>> comboBoxes_;
  std::map<int, std::unique_ptr<FakePictureBox>> pictureBoxes_;
  std::map<int, std::unique_ptr<FakeDrawnControl>> drawnControls_;
};

// A picture box whose image records what is drawn on it as "picture <id>: ...".
class FakePictureBox : public platform::PictureBox {
 public:
  FakePictureBox(int id, const platform::Rect& box, std::vector<std::wstring>& calls);

  const int id;
  const platform::Rect box;
  FakeControlContainer controls;
  FakePixelImage image;

  platform::WindowHandle Handle() override { return controls.Handle(); }
  platform::Label& AddLabel(int controlId, const platform::Rect& labelBox,
                            const std::wstring& caption, const platform::LabelStyle& style) override {
    return controls.AddLabel(controlId, labelBox, caption, style);
  }
  platform::ImageControl& AddImage(int controlId, const platform::Rect& imageBox,
                                   bool stretch) override {
    return controls.AddImage(controlId, imageBox, stretch);
  }
  platform::ComboBox& AddComboBox(int controlId, const platform::Rect& comboBox,
                                  const platform::FontDescription& font) override {
    return controls.AddComboBox(controlId, comboBox, font);
  }
  platform::PictureBox& AddPictureBox(int controlId, const platform::Rect& pictureBox) override {
    return controls.AddPictureBox(controlId, pictureBox);
  }
  platform::DrawnControl& AddDrawnControl(int controlId, const platform::Rect& controlBox,
                                          const std::wstring& className,
                                          platform::DrawnControlHandlers& handlers) override {
    return controls.AddDrawnControl(controlId, controlBox, className, handlers);
  }
  void AddFrame(const platform::Rect& frame, platform::Colour colour) override {
    controls.AddFrame(frame, colour);
  }
  platform::PixelImage& Image() override { return image; }
};

}  // namespace orvane::testing
