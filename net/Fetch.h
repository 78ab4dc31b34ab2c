#pragma once
// Fetching one resource from a web address over HTTP or HTTPS with libcurl,
// whole into memory, for the import of calendars that people keep online.
// Only http and https are spoken, on every redirect too, and a redirect from
// https never leads to http; certificates are verified (against the system's
// store, or a CA file given in the options); redirects, silence and size are
// limited. A calendar's address may hold a secret (a private token in its
// path or query), so messages name an address only as "scheme://host/…".
// Every failure raises EQuillbayError with a message that says what happened;
// nothing here writes a file or keeps state between calls.

#include <cstdint>
#include <functional>
#include <string>

struct TFetchLimits {
  int MaxRedirects = 5;
  int StallSeconds = 30;            // this long without a byte: timed out
  uint64_t MaxBytes = 64ull << 20;  // the largest body taken
};

// Called about once a second and whenever bytes arrive: the bytes of the
// body received so far and its announced size (0 when not announced).
// Returning false cancels the fetch. Runs on the thread that fetches.
using TFetchProgress = std::function<bool(uint64_t Received, uint64_t Total)>;

struct TFetchOptions {
  // Certificates (PEM) trusted instead of the system's store, for servers
  // with a private certificate authority; empty for the system's store.
  std::string CaFile;
  TFetchLimits Limits;
  TFetchProgress Progress;
};

// What makes a repeated request conditional: the ETag and Last-Modified
// headers of the response that is kept.
struct TFetchValidators {
  std::string ETag, LastModified;
};

struct TFetchResponse {
  bool NotModified = false;  // the server answered 304: the kept copy holds
  std::string Body;
  TFetchValidators Validators;
};

// True when Text is written as a web address that FetchAddress takes:
// https://, http:// or webcal:// (letter case does not matter).
bool IsWebAddress(const std::string& Text);
// The address as it is fetched: webcal:// (how calendar services publish a
// subscription) is read as https://. Raises EQuillbayError for anything but
// an http, https or webcal address with a server name.
std::string FetchableAddress(const std::string& Address);
// How messages and logs name an address: "https://example.org/…", with the
// port when one is given, never the user, path or query.
std::string AddressForMessages(const std::string& Address);

// Fetches Address (see FetchableAddress). With Cached validators the request
// is conditional, and a 304 answer gives NotModified and no body.
// Raises EQuillbayError when the server's name is not found, the connection
// is refused, nothing arrives for Limits.StallSeconds, the TLS handshake or
// the certificate fails (naming the host), the server answers with an error
// status (its code and reason), the redirects are too many or lead to a
// scheme that is not followed, the body is larger than Limits.MaxBytes, the
// connection breaks off mid-body, or Progress cancelled.
TFetchResponse FetchAddress(const std::string& Address, const TFetchOptions& Options,
                            const TFetchValidators& Cached = {});
