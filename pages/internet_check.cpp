#include "pages/internet_check.h"

#include "profiles/settings_store.h"

std::string internetCheckUrl(const SettingsStore& settings) {
    const std::string url = settings.readValue(kInternetCheckSection, kInternetCheckValue, "");
    // Blanks only (a value cleared by hand) count as no address.
    return url.find_first_not_of(" \t") == std::string::npos ? kDefaultInternetCheckUrl : url;
}
