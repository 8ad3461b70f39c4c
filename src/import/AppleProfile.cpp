#include "NestingLimits.h"
#include "ProfileFormats.h"

#include <cstring>
#include <memory>
#include <openssl/cms.h>
#include <openssl/err.h>
#include <openssl/objects.h>
#include <optional>
#include <plist/plist.h>

namespace vantorel {
namespace {

struct PlistFree {
    void operator()(void* node) const { plist_free(node); }
};
using Plist = std::unique_ptr<void, PlistFree>;

struct CmsFree {
    void operator()(CMS_ContentInfo* envelope) const { CMS_ContentInfo_free(envelope); }
};

// Whether the envelope's content is what was signed. Who signed it is not asked: a signature says who
// made the file, not that its contents are right, and the person checks every field before saving
// anyway. But content changed after signing is not what anyone signed. An envelope that cannot be
// checked at all (it leaves out its signer's certificate, or has no signer) is read as if unsigned.
bool contentAsSigned(CMS_ContentInfo* envelope) {
    const int verified =
        CMS_verify(envelope, nullptr, nullptr, nullptr, nullptr, CMS_NO_SIGNER_CERT_VERIFY | CMS_BINARY);
    bool altered = false;
    if (verified != 1) {
        for (unsigned long error = ERR_get_error(); error != 0; error = ERR_get_error()) {
            const int reason = ERR_GET_REASON(error);
            altered = altered || (ERR_GET_LIB(error) == ERR_LIB_CMS &&
                                  (reason == CMS_R_CONTENT_VERIFY_ERROR || reason == CMS_R_VERIFICATION_FAILURE));
        }
    }
    ERR_clear_error();
    return !altered;
}

// The property list inside a CMS envelope.
std::expected<std::string, ImportProblem> envelopeContent(std::string_view bytes) {
    if (!nesting::derWithin(bytes)) {
        return std::unexpected(ImportProblem::damaged);
    }
    const auto* cursor = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::unique_ptr<CMS_ContentInfo, CmsFree> envelope(
        d2i_CMS_ContentInfo(nullptr, &cursor, static_cast<long>(bytes.size())));
    if (!envelope) {
        return std::unexpected(ImportProblem::damaged);
    }
    switch (OBJ_obj2nid(CMS_get0_type(envelope.get()))) {
    case NID_pkcs7_signed:
        break;
    case NID_pkcs7_enveloped:
    case NID_pkcs7_encrypted:
    case NID_id_smime_ct_authEnvelopedData:
        return std::unexpected(ImportProblem::encrypted);
    default:
        return std::unexpected(ImportProblem::damaged);
    }
    ASN1_OCTET_STRING** content = CMS_get0_content(envelope.get());
    if (content == nullptr || *content == nullptr) {
        return std::unexpected(ImportProblem::damaged); // a detached signature: the profile is elsewhere
    }
    if (!contentAsSigned(envelope.get())) {
        return std::unexpected(ImportProblem::alteredAfterSigning);
    }
    return std::string(reinterpret_cast<const char*>(ASN1_STRING_get0_data(*content)),
                       std::size_t(ASN1_STRING_length(*content)));
}

Plist parsePropertyList(std::string_view bytes) {
    plist_t root = nullptr;
    if (bytes.starts_with("bplist00")) {
        if (nesting::binaryPropertyListWithin(bytes)) {
            plist_from_bin(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
        }
    } else {
        const auto start = bytes.find_first_not_of(" \t\r\n");
        // libplist's XML reader stops at a NUL byte and would read a prefix.
        if (start != std::string_view::npos && bytes[start] == '<' && bytes.find('\0') == std::string_view::npos &&
            nesting::xmlWithin(bytes)) {
            plist_from_xml(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
        }
    }
    return Plist(root);
}

// Field access that tells absent from present with the wrong type; a wrong type marks the file
// damaged.
class Fields final {
public:
    bool damaged = false;

    std::optional<std::string> string(plist_t dictionary, const char* key) {
        plist_t node = plist_dict_get_item(dictionary, key);
        if (node == nullptr) {
            return std::nullopt;
        }
        if (plist_get_node_type(node) != PLIST_STRING) {
            damaged = true;
            return std::nullopt;
        }
        uint64_t length = 0;
        const char* text = plist_get_string_ptr(node, &length);
        return std::string(text, std::size_t(length));
    }

    // A flag written as <true/> or as the integer 1, the way profile editors write it.
    bool flag(plist_t dictionary, const char* key) {
        plist_t node = plist_dict_get_item(dictionary, key);
        if (node == nullptr) {
            return false;
        }
        if (plist_get_node_type(node) == PLIST_BOOLEAN) {
            uint8_t value = 0;
            plist_get_bool_val(node, &value);
            return value != 0;
        }
        if (plist_get_node_type(node) == PLIST_UINT) {
            uint64_t value = 0;
            plist_get_uint_val(node, &value);
            return value == 1;
        }
        damaged = true;
        return false;
    }
};

ProviderFileReading readPayloads(plist_t root) {
    if (plist_get_node_type(root) != PLIST_DICT) {
        return std::unexpected(ImportProblem::damaged);
    }
    // A profile encrypted to one device's certificate: only that device can read its payloads.
    if (plist_dict_get_item(root, "EncryptedPayloadContent") != nullptr) {
        return std::unexpected(ImportProblem::encrypted);
    }
    plist_t payloads = plist_dict_get_item(root, "PayloadContent");
    if (payloads == nullptr) {
        return std::unexpected(ImportProblem::noIkev2);
    }
    if (plist_get_node_type(payloads) != PLIST_ARRAY) {
        return std::unexpected(ImportProblem::damaged);
    }
    Fields fields;
    ProviderFile file;
    bool sawIkev2 = false;
    const uint32_t count = plist_array_get_size(payloads);
    for (uint32_t i = 0; i < count; ++i) {
        plist_t payload = plist_array_get_item(payloads, i);
        if (plist_get_node_type(payload) != PLIST_DICT) {
            continue;
        }
        const auto payloadType = fields.string(payload, "PayloadType");
        if (payloadType == "com.apple.security.root" || payloadType == "com.apple.security.pem") {
            file.carriesAuthority = true;
            continue;
        }
        if (payloadType != "com.apple.vpn.managed" || fields.string(payload, "VPNType") != "IKEv2") {
            continue;
        }
        sawIkev2 = true;
        plist_t ikev2 = plist_dict_get_item(payload, "IKEv2");
        if (ikev2 == nullptr || plist_get_node_type(ikev2) != PLIST_DICT) {
            return std::unexpected(ImportProblem::damaged);
        }
        // User name and password (EAP) only. With extended authentication, the authentication method
        // says how the client checks the server: by its certificate ("Certificate") or through EAP
        // alone ("None"); the client itself signs in with EAP, unless the payload names a certificate
        // of the client's own. A shared secret, or the client's own certificate, a location here
        // cannot hold.
        const bool extendedAuth = fields.flag(ikev2, "ExtendedAuthEnabled");
        const auto method = fields.string(ikev2, "AuthenticationMethod").value_or("None");
        const bool clientCertificate = plist_dict_get_item(ikev2, "PayloadCertificateUUID") != nullptr;
        if (!extendedAuth || (method != "None" && method != "Certificate") || clientCertificate) {
            continue;
        }
        const auto name = fields.string(payload, "UserDefinedName");
        const auto displayName = fields.string(payload, "PayloadDisplayName");
        const auto address = fields.string(ikev2, "RemoteAddress");
        const auto identity = fields.string(ikev2, "RemoteIdentifier");
        const auto username = fields.string(ikev2, "AuthName");
        auto password = fields.string(ikev2, "AuthPassword");
        const std::string server = address.value_or(std::string());
        file.locations.push_back({name.value_or(displayName.value_or(std::string())), server,
                                  detail::serverIdentity(identity.value_or(server)), username.value_or(std::string()),
                                  SecretText(password.value_or(std::string()))});
        if (password) {
            wipeString(*password);
        }
    }
    if (fields.damaged) {
        return std::unexpected(ImportProblem::damaged);
    }
    if (file.locations.empty()) {
        return std::unexpected(sawIkev2 ? ImportProblem::notUserPassword : ImportProblem::noIkev2);
    }
    return detail::readingOf(std::move(file));
}

} // namespace

ProviderFileReading readAppleProfile(std::string_view bytes) {
    std::string unwrapped;
    if (!bytes.empty() && bytes.front() == '\x30') {
        auto content = envelopeContent(bytes);
        if (!content) {
            return std::unexpected(content.error());
        }
        unwrapped = std::move(*content);
        bytes = unwrapped;
    }
    const Plist root = parsePropertyList(bytes);
    if (!root) {
        wipeString(unwrapped);
        return std::unexpected(ImportProblem::damaged);
    }
    auto reading = readPayloads(root.get());
    wipeString(unwrapped);
    return reading;
}

} // namespace vantorel
