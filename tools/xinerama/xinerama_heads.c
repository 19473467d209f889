/* A stand-in for libXinerama.so.1 that tells the monitors of a test display. Xvfb has one
 * screen; started without RandR, Wine asks Xinerama for the monitors, and this library
 * answers with the heads named in ORVANE_XINERAMA_HEADS: "WxH+X+Y" for each head, separated
 * by commas, the primary first, for example "1024x768+800+0,800x600+0+168".
 * It is built without the C library's headers, so that it builds for the 32-bit loader on a
 * machine without 32-bit development files; what it calls is in every process that loads it. */

typedef struct {
  int screen_number;
  short x_org;
  short y_org;
  short width;
  short height;
} XineramaScreenInfo;

char *getenv(const char *name);
void *malloc(__SIZE_TYPE__ size);

enum { kMostHeads = 16 };

/* Reads a whole number at *text and moves past it. */
static int Number(const char **text) {
  int value = 0;
  while (**text >= '0' && **text <= '9') value = value * 10 + (*(*text)++ - '0');
  return value;
}

/* The heads of the variable, up to kMostHeads; parsing stops at the first malformed one. */
static int ReadHeads(XineramaScreenInfo *heads) {
  const char *text = getenv("ORVANE_XINERAMA_HEADS");
  int count = 0;
  while (text && *text && count < kMostHeads) {
    XineramaScreenInfo head = {count, 0, 0, 0, 0};
    head.width = (short)Number(&text);
    if (*text++ != 'x') break;
    head.height = (short)Number(&text);
    if (*text++ != '+') break;
    head.x_org = (short)Number(&text);
    if (*text++ != '+') break;
    head.y_org = (short)Number(&text);
    heads[count++] = head;
    if (*text != ',') break;
    ++text;
  }
  return count;
}

int XineramaQueryExtension(void *display, int *eventBase, int *errorBase) {
  XineramaScreenInfo heads[kMostHeads];
  (void)display;
  *eventBase = *errorBase = 0;
  return ReadHeads(heads) > 0;
}

int XineramaQueryVersion(void *display, int *major, int *minor) {
  (void)display;
  *major = 1;
  *minor = 1;
  return 1;
}

int XineramaIsActive(void *display) {
  int eventBase, errorBase;
  return XineramaQueryExtension(display, &eventBase, &errorBase);
}

/* A list the caller frees with XFree, which is free(). */
XineramaScreenInfo *XineramaQueryScreens(void *display, int *number) {
  XineramaScreenInfo heads[kMostHeads];
  XineramaScreenInfo *list;
  int i;
  (void)display;
  *number = ReadHeads(heads);
  if (*number == 0) return 0;
  list = malloc(sizeof(XineramaScreenInfo) * (__SIZE_TYPE__)*number);
  if (!list) {
    *number = 0;
    return 0;
  }
  for (i = 0; i < *number; ++i) list[i] = heads[i];
  return list;
}
