// The companion library's StrToReal on any zero-terminated text: it returns,
// and never a not-a-number value.
#include "StrToReal.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille)
{
    // The characters up to the first zero byte, as an edit box's text arrives.
    const std::string texte(reinterpret_cast<const char *>(octets), taille);
    const long double valeur = StrToReal(texte.c_str());
    if (std::isnan(valeur)) {
        std::fprintf(stderr, "StrToReal gave not-a-number\n");
        std::abort();
    }
    if (taille == 0 && StrToReal(nullptr) != 0) {
        std::fprintf(stderr, "StrToReal(null) is not 0\n");
        std::abort();
    }
    return 0;
}
