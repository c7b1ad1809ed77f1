// Drives the X server like a user: real pointer events through the XTEST
// extension, and pixels read back from the screen. Loaded at run time so
// that the build needs no X development files.
//
//   xvfb_click_probe pixel X Y          prints the screen pixel as RRGGBB
//   xvfb_click_probe press X Y          moves the pointer there, presses button 1
//   xvfb_click_probe release X Y        moves the pointer there, releases button 1
//   xvfb_click_probe colours X Y W H    prints how many colours the area has
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

namespace {

struct XImageHead;  // only used through XGetPixel
using Display = void;
using OpenDisplay = Display* (*)(const char*);
using DefaultRootWindow = unsigned long (*)(Display*);
using GetImage = XImageHead* (*)(Display*, unsigned long, int, int, unsigned, unsigned, unsigned long, int);
using GetPixel = unsigned long (*)(XImageHead*, int, int);
using Flush = int (*)(Display*);
using Sync = int (*)(Display*, int);
using FakeMotion = int (*)(Display*, int, int, int, unsigned long);
using FakeButton = int (*)(Display*, unsigned, int, unsigned long);

constexpr int kZPixmap = 2;
constexpr unsigned long kAllPlanes = ~0ul;

template <typename F>
F symbol(void* library, const char* name) {
  void* s = library != nullptr ? dlsym(library, name) : nullptr;
  if (s == nullptr) {
    std::fprintf(stderr, "xvfb_click_probe: %s not available\n", name);
    std::exit(2);
  }
  return reinterpret_cast<F>(s);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  void* x11 = dlopen("libX11.so.6", RTLD_NOW);
  void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
  Display* display = symbol<OpenDisplay>(x11, "XOpenDisplay")(nullptr);
  if (display == nullptr) return 2;
  const unsigned long root = symbol<DefaultRootWindow>(x11, "XDefaultRootWindow")(display);
  const auto sync = symbol<Sync>(x11, "XSync");
  const int x = std::atoi(argv[2]);
  const int y = std::atoi(argv[3]);
  const char* command = argv[1];

  if (std::strcmp(command, "press") == 0 || std::strcmp(command, "release") == 0) {
    symbol<FakeMotion>(xtst, "XTestFakeMotionEvent")(display, -1, x, y, 0);
    symbol<FakeButton>(xtst, "XTestFakeButtonEvent")(display, 1, std::strcmp(command, "press") == 0, 0);
    sync(display, 0);
    return 0;
  }
  const unsigned w = argc > 5 ? static_cast<unsigned>(std::atoi(argv[4])) : 1;
  const unsigned h = argc > 5 ? static_cast<unsigned>(std::atoi(argv[5])) : 1;
  XImageHead* image = symbol<GetImage>(x11, "XGetImage")(display, root, x, y, w, h, kAllPlanes, kZPixmap);
  if (image == nullptr) return 1;
  const auto getPixel = symbol<GetPixel>(x11, "XGetPixel");
  if (std::strcmp(command, "pixel") == 0) {
    std::printf("%06lX\n", getPixel(image, 0, 0) & 0xFFFFFF);
    return 0;
  }
  std::set<unsigned long> colours;
  for (unsigned j = 0; j < h; ++j)
    for (unsigned i = 0; i < w; ++i)
      colours.insert(getPixel(image, static_cast<int>(i), static_cast<int>(j)) & 0xFFFFFF);
  std::printf("%zu\n", colours.size());
  return 0;
}
