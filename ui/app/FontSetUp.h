#pragma once

// Fontconfig reads its configuration and the system's font caches the first time a font is asked
// for: about a third of the work before the window appears. TFontSetUp has that done on a thread
// of its own while the application connects to the display, which is mostly waiting.

#include <thread>

class TFontSetUp {
public:
    // Starts the set-up (nothing to do where Qt does not take its fonts from fontconfig).
    TFontSetUp();
    // Waits for the set-up, so that nothing is left running behind the program.
    ~TFontSetUp();
    TFontSetUp(const TFontSetUp&) = delete;
    TFontSetUp& operator=(const TFontSetUp&) = delete;

    // Returns once the set-up is done. Call it before the first font is used: two set-ups at once
    // would both do the whole work.
    void Wait();

private:
    std::thread FThread;
};
