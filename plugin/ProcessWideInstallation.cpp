#include "LiveProcessWideServices.h"

namespace
{
    // Every binary of the plug-in serves its instances with the live services from
    // the moment it is loaded until it is unloaded; loading it again starts afresh.
    LiveProcessWideServices services;
    const ScopedProcessWideServices installation { services };
} // namespace
