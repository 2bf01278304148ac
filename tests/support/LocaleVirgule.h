#pragma once

#include <clocale>
#include <cstdlib>
#include <string>

// Puts the whole process under a locale that writes numbers with a decimal
// comma, as QApplication does on a French desktop, and back to "C" when it
// goes. The locales are compiled into the build folder, so no system locale
// is needed.
class LocaleVirgule {
public:
    explicit LocaleVirgule(const char *nom = "fr_FR.UTF-8")
        : active_(locpathPose_ && std::setlocale(LC_ALL, nom) != nullptr)
    {
    }
    ~LocaleVirgule() { std::setlocale(LC_ALL, "C"); }
    LocaleVirgule(const LocaleVirgule &) = delete;
    LocaleVirgule &operator=(const LocaleVirgule &) = delete;

    // Whether the locale is in force and really writes a comma.
    bool active() const { return active_ && std::string(std::localeconv()->decimal_point) == ","; }

private:
    // Where the locales are is written into the environment once, before main
    // starts: Qt Test's watchdog thread reads the environment while the tests
    // run, and setenv may move the table it is reading.
    static inline const bool locpathPose_ = ::setenv("LOCPATH", KESU_LOCALES, 1) == 0;
    bool active_ = false;
};
