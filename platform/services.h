#pragma once

#include "platform/code_page_932.h"
#include "platform/display_services.h"
#include "platform/file_services.h"
#include "platform/form_services.h"
#include "platform/multimedia_services.h"
#include "platform/process_services.h"
#include "platform/window_services.h"

namespace orvane::platform {

// Everything of the operating system that the subsystems use, one reference per service.
struct Services {
  WindowServices& windows;
  FileServices& files;
  CodePage932& codePage932;
  ProcessServices& process;
  DisplayServices& display;
  MultimediaServices& multimedia;
  FormServices& forms;
};

}  // namespace orvane::platform
