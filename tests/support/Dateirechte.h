#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testhilfe {

// Runs f under the file permission checks, which root passes by its capabilities: a file without
// read permission then cannot be read, also by root. Returns false when the checks could not be
// put in force; f has not run then.
template <typename F> bool mitDateirechten(F&& f) {
    if (geteuid() != 0) {
        f();
        return true;
    }
    __user_cap_header_struct kopf{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct alt[2]{};
    if (syscall(SYS_capget, &kopf, alt) != 0)
        return false;
    __user_cap_data_struct ohne[2] = {alt[0], alt[1]};
    ohne[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
    if (syscall(SYS_capset, &kopf, ohne) != 0)
        return false;
    struct Zurueck {
        __user_cap_header_struct& kopf;
        __user_cap_data_struct* alt;
        ~Zurueck() { syscall(SYS_capset, &kopf, alt); }
    } zurueck{kopf, alt};
    f();
    return true;
}

} // namespace testhilfe
