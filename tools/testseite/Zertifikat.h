#pragma once

#include <openssl/evp.h>
#include <openssl/x509.h>

#include <memory>
#include <string>

namespace testseite {

// A self-signed certificate for 127.0.0.1 and localhost, made fresh at every start, with its key.
class Zertifikat {
public:
    Zertifikat();
    X509* x509() const { return zert_.get(); }
    EVP_PKEY* schluessel() const { return schluessel_.get(); }
    // PEM, to be given to the program as REMISATOR_CA.
    void speichern(const std::string& pfad) const;

private:
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> schluessel_;
    std::unique_ptr<X509, decltype(&X509_free)> zert_;
};

} // namespace testseite
