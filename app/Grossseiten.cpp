#include "app/Grossseiten.h"

#include <cstdlib>
#include <cstring>
#include <fstream>

#ifdef __linux__
#include <unistd.h>
#endif

namespace app {
namespace {

constexpr char Variable[] = "GLIBC_TUNABLES";
constexpr std::string_view Einstellung = "glibc.malloc.hugetlb=1";
// Marks the process as started again, so that it never starts itself twice.
constexpr char Neustart[] = "REMISATOR_GROSSSEITEN";

} // namespace

std::optional<std::string> GrossseitenEinstellung(const char* bisher, std::string_view thpModus) {
    const std::string_view alt = bisher ? bisher : "";
    if (thpModus.find("[madvise]") == std::string_view::npos || alt.find("glibc.malloc.hugetlb") != alt.npos)
        return std::nullopt;
    return alt.empty() ? std::string(Einstellung) : std::string(alt) + ":" + std::string(Einstellung);
}

void MitGrossseitenStarten(char** argv) {
#ifdef __linux__
    if (const char* alt = std::getenv(Neustart)) {
        // The setting is in force for this process; what the user had goes on to its children.
        if (*alt)
            setenv(Variable, alt, 1);
        else
            unsetenv(Variable);
        unsetenv(Neustart);
        return;
    }
    std::string modus;
    std::getline(std::ifstream("/sys/kernel/mm/transparent_hugepage/enabled"), modus);
    const char* alt = std::getenv(Variable);
    const std::optional<std::string> neu = GrossseitenEinstellung(alt, modus);
    if (!neu)
        return;
    const std::string altWert = alt ? alt : "";
    setenv(Neustart, altWert.c_str(), 1);
    setenv(Variable, neu->c_str(), 1);
    execv("/proc/self/exe", argv);
    // Not started again: on as before.
    if (altWert.empty())
        unsetenv(Variable);
    else
        setenv(Variable, altWert.c_str(), 1);
    unsetenv(Neustart);
#else
    (void)argv;
#endif
}

} // namespace app
