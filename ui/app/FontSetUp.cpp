#include "ui/app/FontSetUp.h"

#ifdef ZEMTRIX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

TFontSetUp::TFontSetUp() {
#ifdef ZEMTRIX_HAVE_FONTCONFIG
    FThread = std::thread([] { FcInit(); });
#endif
}

TFontSetUp::~TFontSetUp() { Wait(); }

void TFontSetUp::Wait() {
    if (FThread.joinable()) FThread.join();
}
