#include "app/fontwarmup.h"

#include <dlfcn.h>

namespace {

using FontconfigInit = int (*)();

// Qt's own dependency, so already in the process: looked up rather than
// linked, which spares the build fontconfig's development files.
FontconfigInit fontconfigInit()
{
    return reinterpret_cast<FontconfigInit>(dlsym(RTLD_DEFAULT, "FcInit"));
}

} // namespace

FontWarmUp::FontWarmUp()
{
    if (const FontconfigInit init = fontconfigInit()) {
        m_loading = std::thread(init);
        m_started = true;
    }
}

FontWarmUp::~FontWarmUp()
{
    wait();
}

void FontWarmUp::wait()
{
    if (m_loading.joinable())
        m_loading.join();
}
