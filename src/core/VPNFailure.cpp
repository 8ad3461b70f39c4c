#include "VPNFailure.h"

#include "PlatformText.h"
#include "Text.h"
#include "Translatable.h"

namespace vantorel {

std::string_view VPNFailure::description() const {
    switch (m_kind) {
    case Kind::invalid:
        return m_message;
    case Kind::credentialsUnavailable:
        return VANTOREL_TRANSLATABLE(
            "VPNFailure",
            "The connection password is unavailable. Add the location again with your provider credentials.");
    case Kind::storageUnavailable:
        return VANTOREL_TRANSLATABLE(
            "VPNFailure", "Your saved locations could not be read or saved. Existing data has been preserved.");
    case Kind::signingRequired:
        return platformText().signingRequired;
    case Kind::operationFailed:
        return platformText().operationFailed;
    }
    return {};
}

bool operator==(const VPNFailure& a, const VPNFailure& b) {
    return a.m_kind == b.m_kind &&
           (a.m_kind != VPNFailure::Kind::invalid || text::canonicallyEqual(a.m_message, b.m_message));
}

} // namespace vantorel
