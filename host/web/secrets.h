// Unguessable secrets (session tokens, the table key) and their comparison.
#ifndef MIRADO_HOST_WEB_SECRETS_H_
#define MIRADO_HOST_WEB_SECRETS_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace mirado::web {

// `bytes` bytes from the kernel's random source (getrandom), written in
// URL-safe base64 without padding (43 characters for 32 bytes). Aborts the
// program when the kernel gives none: a guessable token is never made.
std::string RandomSecret(std::size_t bytes = 32);

// Compares two secrets in a time that does not depend on where they differ.
bool SecretsEqual(std::string_view a, std::string_view b);

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_SECRETS_H_
