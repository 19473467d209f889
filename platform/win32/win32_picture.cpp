#include "platform/win32/win32_picture.h"

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>

#include "platform/win32/system_function.h"

namespace orvane::platform::win32 {
namespace {

// A COM interface pointer, released when it goes.
template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  ~ComPointer() {
    if (pointer_) pointer_->Release();
  }

  Interface* get() const { return pointer_; }
  Interface** out() { return &pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  Interface* pointer_ = nullptr;
};

// A stream over a copy of the resource's bytes; the stream frees the copy.
bool OpenResourceStream(const std::wstring& name, ComPointer<IStream>& stream, DWORD& size) {
  const HRSRC resource = FindResourceW(nullptr, name.c_str(), RT_RCDATA);
  if (!resource) return false;
  const void* bytes = LockResource(LoadResource(nullptr, resource));
  size = SizeofResource(nullptr, resource);
  if (!bytes || size == 0) return false;
  const HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return false;
  std::memcpy(GlobalLock(copy), bytes, size);
  GlobalUnlock(copy);
  static const auto createStream =
      SystemFunction<decltype(&CreateStreamOnHGlobal)>(L"ole32.dll", "CreateStreamOnHGlobal");
  if (!createStream || FAILED(createStream(copy, TRUE, stream.out()))) {
    GlobalFree(copy);
    return false;
  }
  return true;
}

// An image of the bitmap's own size holding its pixels.
std::unique_ptr<Win32PixelImage> ImageOfBitmap(HBITMAP bitmap, DisplayServices& display) {
  BITMAP description{};
  if (!GetObjectW(bitmap, sizeof description, &description)) return nullptr;
  auto image = std::make_unique<Win32PixelImage>(description.bmWidth, description.bmHeight, display);
  const UniqueMemoryDc source(CreateCompatibleDC(image->DeviceContext()));
  const ScopedSelection selection(source.get(), bitmap);
  BitBlt(image->DeviceContext(), 0, 0, description.bmWidth, description.bmHeight, source.get(), 0,
         0, SRCCOPY);
  return image;
}

// A BITMAP resource, as a DIB section so that its colours stay its own.
std::unique_ptr<Win32PixelImage> LoadBitmapResource(const std::wstring& name,
                                                    DisplayServices& display) {
  const UniqueBitmap bitmap(static_cast<HBITMAP>(LoadImageW(
      GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  return bitmap ? ImageOfBitmap(bitmap.get(), display) : nullptr;
}

}  // namespace

std::unique_ptr<Win32PixelImage> LoadPictureResource(const std::wstring& name,
                                                     DisplayServices& display) {
  ComPointer<IStream> stream;
  DWORD size = 0;
  if (!OpenResourceStream(name, stream, size)) return LoadBitmapResource(name, display);
  ComPointer<IPicture> picture;
  static const auto loadPicture = SystemFunction<decltype(&OleLoadPicture)>(L"oleaut32.dll", "OleLoadPicture");
  if (!loadPicture || FAILED(loadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                                         reinterpret_cast<void**>(picture.out())))) {
    return nullptr;
  }
  // Bitmaps and JPEG files alike come as bitmaps, whose own size is the picture's in pixels.
  OLE_HANDLE handle = 0;
  short type = PICTYPE_NONE;
  if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP ||
      FAILED(picture->get_Handle(&handle))) {
    return nullptr;
  }
  return ImageOfBitmap(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), display);
}

}  // namespace orvane::platform::win32
