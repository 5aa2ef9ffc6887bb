#pragma once

#include <thread>

// On X11 and Wayland Qt finds and draws fonts through fontconfig, whose
// configuration (some dozens of XML files and the font caches) is the
// longest single load before the splash can draw its title. FontWarmUp loads
// it on a second thread while the application object connects to the
// display, so that Qt finds it ready. Where fontconfig is not in the process
// it does nothing.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Whether the loading was started.
    bool started() const { return m_started; }

    // Returns once the loading is over. Call it before the first text is
    // measured: Qt would otherwise load the same configuration a second time.
    void wait();

private:
    bool m_started = false;
    std::thread m_loading;
};
