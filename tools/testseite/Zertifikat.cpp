#include "Zertifikat.h"

#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509v3.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace testseite {
namespace {

void pruefen(bool ok, const char* was) {
    if (!ok)
        throw std::runtime_error(std::string("Zertifikat: ") + was);
}

void erweitern(X509* zert, int nid, const char* wert) {
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, zert, zert, nullptr, nullptr, 0);
    X509_EXTENSION* ext = X509V3_EXT_conf_nid(nullptr, &ctx, nid, wert);
    pruefen(ext && X509_add_ext(zert, ext, -1) == 1, wert);
    X509_EXTENSION_free(ext);
}

} // namespace

Zertifikat::Zertifikat() : schluessel_(EVP_EC_gen("P-256"), &EVP_PKEY_free), zert_(X509_new(), &X509_free) {
    pruefen(schluessel_ && zert_, "kein Speicher");
    X509* z = zert_.get();
    X509_set_version(z, 2);
    unsigned char zufall[8];
    pruefen(RAND_bytes(zufall, sizeof zufall) == 1, "Zufall");
    std::uint64_t serie = 0;
    for (const unsigned char b : zufall)
        serie = (serie << 8) | b;
    ASN1_INTEGER_set_uint64(X509_get_serialNumber(z), serie >> 1);
    X509_gmtime_adj(X509_getm_notBefore(z), -3600);
    X509_gmtime_adj(X509_getm_notAfter(z), 30L * 24 * 3600);
    X509_set_pubkey(z, schluessel_.get());
    X509_NAME* name = X509_get_subject_name(z);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("Remisator-Testseite"), -1, -1, 0);
    X509_set_issuer_name(z, name);
    erweitern(z, NID_basic_constraints, "critical,CA:TRUE");
    erweitern(z, NID_key_usage, "critical,digitalSignature,keyCertSign");
    erweitern(z, NID_subject_key_identifier, "hash");
    erweitern(z, NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost");
    pruefen(X509_sign(z, schluessel_.get(), EVP_sha256()) > 0, "Signatur");
}

void Zertifikat::speichern(const std::string& pfad) const {
    std::FILE* f = std::fopen(pfad.c_str(), "w");
    pruefen(f != nullptr, pfad.c_str());
    const bool ok = PEM_write_X509(f, zert_.get()) == 1;
    pruefen(std::fclose(f) == 0 && ok, pfad.c_str());
}

} // namespace testseite
