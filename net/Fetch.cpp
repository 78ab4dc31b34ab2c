// A fetch is one libcurl easy handle that follows redirects itself, hop by
// hop, so that each new address is checked before it is asked for: only
// http and https, never from https down to http, at most
// Limits.MaxRedirects times. The write callback counts the body against
// Limits.MaxBytes (a body without Content-Length is stopped there too); the
// progress callback, called at least once a second, notices silence and
// cancellation; the header callback keeps the reason phrase, ETag and
// Last-Modified of each response. libcurl's own error buffer is quoted only
// for TLS failures, whose texts name the host but never the path.

#include "net/Fetch.h"

#include <curl/curl.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string_view>

#include "Version.h"
#include "net/Curl.h"
#include "platform/Errors.h"

namespace {
using TClock = std::chrono::steady_clock;

struct TCurlFree {
  void operator()(CURL* Handle) const { curl_easy_cleanup(Handle); }
  void operator()(CURLU* Url) const { curl_url_cleanup(Url); }
  void operator()(curl_slist* List) const { curl_slist_free_all(List); }
  void operator()(char* Text) const { curl_free(Text); }
};

bool StartsWithNoCase(std::string_view Text, std::string_view Prefix) {
  if (Text.size() < Prefix.size()) return false;
  for (size_t I = 0; I < Prefix.size(); ++I) {
    char C = Text[I];
    if (C >= 'A' && C <= 'Z') C = static_cast<char>(C - 'A' + 'a');
    if (C != Prefix[I]) return false;
  }
  return true;
}

// The parts of an address that messages may name.
struct TAddressParts {
  std::string Scheme, Host, Port;
  std::string Server() const { return Port.empty() ? Host : Host + ":" + Port; }
  std::string ForMessages() const { return Scheme + "://" + Server() + "/…"; }
};

bool ParseAddress(const std::string& Address, TAddressParts& Parts) {
  std::unique_ptr<CURLU, TCurlFree> Url(curl_url());
  if (!Url || curl_url_set(Url.get(), CURLUPART_URL, Address.c_str(), CURLU_NON_SUPPORT_SCHEME) != CURLUE_OK)
    return false;
  auto Part = [&](CURLUPart Which, std::string& Into) {
    char* Text = nullptr;
    if (curl_url_get(Url.get(), Which, &Text, 0) != CURLUE_OK) return false;
    std::unique_ptr<char, TCurlFree> Owned(Text);
    Into = Text;
    return true;
  };
  if (!Part(CURLUPART_SCHEME, Parts.Scheme) || !Part(CURLUPART_HOST, Parts.Host)) return false;
  Part(CURLUPART_PORT, Parts.Port);
  return !Parts.Host.empty();
}

const char* StandardReason(long Status) {
  switch (Status) {
    case 400:
      return "Bad Request";
    case 401:
      return "Unauthorized";
    case 403:
      return "Forbidden";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 406:
      return "Not Acceptable";
    case 408:
      return "Request Timeout";
    case 410:
      return "Gone";
    case 429:
      return "Too Many Requests";
    case 500:
      return "Internal Server Error";
    case 501:
      return "Not Implemented";
    case 502:
      return "Bad Gateway";
    case 503:
      return "Service Unavailable";
    case 504:
      return "Gateway Timeout";
    default:
      return "";
  }
}

// What the callbacks of one hop learn.
struct TTransfer {
  const TFetchOptions* Options = nullptr;
  std::string Body, Reason;
  TFetchValidators Validators;
  bool TooLarge = false, Stalled = false, Cancelled = false;
  curl_off_t LastReceived = -1;
  TClock::time_point LastProgress = TClock::now();
};

size_t OnWrite(char* Data, size_t, size_t Size, void* User) {
  TTransfer& T = *static_cast<TTransfer*>(User);
  if (T.Body.size() + Size > T.Options->Limits.MaxBytes) {
    T.TooLarge = true;
    return 0;  // fewer bytes than given: libcurl stops with CURLE_WRITE_ERROR
  }
  T.Body.append(Data, Size);
  return Size;
}

std::string_view Trimmed(std::string_view S) {
  while (!S.empty() && (S.front() == ' ' || S.front() == '\t')) S.remove_prefix(1);
  while (!S.empty() && (S.back() == '\r' || S.back() == '\n' || S.back() == ' ' || S.back() == '\t'))
    S.remove_suffix(1);
  return S;
}

size_t OnHeader(char* Data, size_t, size_t Size, void* User) {
  TTransfer& T = *static_cast<TTransfer*>(User);
  const std::string_view Line = Trimmed({Data, Size});
  if (StartsWithNoCase(Line, "http/")) {
    // A new response (after a 100 Continue too): "HTTP/1.1 404 Not Found".
    T.Validators = {};
    const size_t Code = Line.find(' ');
    const size_t Reason = Code == std::string_view::npos ? Code : Line.find(' ', Code + 1);
    T.Reason.clear();
    // The reason goes into a message: printable ASCII, and not a page of it.
    if (Reason != std::string_view::npos)
      for (char C : Trimmed(Line.substr(Reason + 1)))
        if (C >= ' ' && C <= '~' && T.Reason.size() < 80) T.Reason += C;
    return Size;
  }
  const size_t Colon = Line.find(':');
  if (Colon == std::string_view::npos) return Size;
  const std::string_view Name = Line.substr(0, Colon), Value = Trimmed(Line.substr(Colon + 1));
  if (Name.size() == 4 && StartsWithNoCase(Name, "etag")) T.Validators.ETag = Value;
  if (Name.size() == 13 && StartsWithNoCase(Name, "last-modified")) T.Validators.LastModified = Value;
  return Size;
}

int OnProgress(void* User, curl_off_t Total, curl_off_t Received, curl_off_t, curl_off_t) {
  TTransfer& T = *static_cast<TTransfer*>(User);
  const TClock::time_point Now = TClock::now();
  if (Received != T.LastReceived) {
    T.LastReceived = Received;
    T.LastProgress = Now;
  } else if (Now - T.LastProgress >= std::chrono::seconds(T.Options->Limits.StallSeconds)) {
    T.Stalled = true;
    return 1;
  }
  if (T.Options->Progress &&
      !T.Options->Progress(static_cast<uint64_t>(Received), static_cast<uint64_t>(Total > 0 ? Total : 0))) {
    T.Cancelled = true;
    return 1;
  }
  return 0;
}

// The message for a hop that libcurl ended with Code.
[[noreturn]] void RaiseFailure(CURLcode Code, const TTransfer& T, const TAddressParts& Hop,
                               const TAddressParts& Start, const char* ErrorText, long Status) {
  const std::string Name = Start.ForMessages();
  if (T.Cancelled) throw EQuillbayError(TMessageId::DownloadCancelled);
  if (T.Stalled || Code == CURLE_OPERATION_TIMEDOUT)
    throw EQuillbayError(TMessageId::ServerTimedOut,
                         {Hop.Server(), std::to_string(T.Options->Limits.StallSeconds)});
  if (T.TooLarge || Code == CURLE_FILESIZE_EXCEEDED)
    throw EQuillbayError(TMessageId::FetchedCalendarTooLarge,
                         {Name, std::to_string(T.Options->Limits.MaxBytes >> 20)});
  switch (Code) {
    case CURLE_COULDNT_RESOLVE_HOST:
      throw EQuillbayError(TMessageId::ServerNotFound, {Hop.Host});
    case CURLE_COULDNT_CONNECT:
      throw EQuillbayError(TMessageId::ServerRefused, {Hop.Server()});
    case CURLE_HTTP_RETURNED_ERROR: {
      std::string Reason = T.Reason.empty() ? StandardReason(Status) : T.Reason;
      const std::string Answer = std::to_string(Status) + (Reason.empty() ? "" : " " + Reason);
      throw EQuillbayError(TMessageId::ServerAnswered, {Name, Answer});
    }
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_CRL_BADFILE:
      throw EQuillbayError(TMessageId::SecureConnectionFailed,
                           {Hop.Server(), *ErrorText ? ErrorText : curl_easy_strerror(Code)});
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
      throw EQuillbayError(TMessageId::ConnectionBrokeOff, {Name});
    default:
      throw EQuillbayError(TMessageId::CannotFetch, {Name, curl_easy_strerror(Code)});
  }
}

bool IsRedirect(long Status) {
  return Status == 301 || Status == 302 || Status == 303 || Status == 307 || Status == 308;
}

// Sets what stays the same on every hop.
void Configure(CURL* Handle, TTransfer& T, char* ErrorText, curl_slist* Headers) {
  static const std::string UserAgent = "Quillbay/" QUILLBAY_VERSION;
  curl_easy_setopt(Handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(Handle, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(Handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(Handle, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(Handle, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(Handle, CURLOPT_USERAGENT, UserAgent.c_str());
  curl_easy_setopt(Handle, CURLOPT_ACCEPT_ENCODING, "");
  curl_easy_setopt(Handle, CURLOPT_HTTPHEADER, Headers);
  curl_easy_setopt(Handle, CURLOPT_ERRORBUFFER, ErrorText);
  curl_easy_setopt(Handle, CURLOPT_CONNECTTIMEOUT, static_cast<long>(T.Options->Limits.StallSeconds));
  curl_easy_setopt(Handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(T.Options->Limits.MaxBytes));
  curl_easy_setopt(Handle, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(Handle, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!T.Options->CaFile.empty()) curl_easy_setopt(Handle, CURLOPT_CAINFO, T.Options->CaFile.c_str());
  curl_easy_setopt(Handle, CURLOPT_WRITEFUNCTION, OnWrite);
  curl_easy_setopt(Handle, CURLOPT_WRITEDATA, &T);
  curl_easy_setopt(Handle, CURLOPT_HEADERFUNCTION, OnHeader);
  curl_easy_setopt(Handle, CURLOPT_HEADERDATA, &T);
  curl_easy_setopt(Handle, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(Handle, CURLOPT_XFERINFOFUNCTION, OnProgress);
  curl_easy_setopt(Handle, CURLOPT_XFERINFODATA, &T);
}

// The next hop after a redirect from Hop to Target, or a failure when Target
// may not be followed.
TAddressParts CheckRedirect(const TAddressParts& Hop, const std::string& Target, const TAddressParts& Start,
                            int Redirects, int MaxRedirects) {
  const std::string Name = Start.ForMessages();
  if (Redirects > MaxRedirects)
    throw EQuillbayError(TMessageId::TooManyRedirects, {Name, std::to_string(MaxRedirects)});
  TAddressParts Next;
  const bool Web = StartsWithNoCase(Target, "http://") || StartsWithNoCase(Target, "https://");
  if (!Web || !ParseAddress(Target, Next) || (Hop.Scheme == "https" && Next.Scheme != "https"))
    throw EQuillbayError(TMessageId::RedirectNotFollowed, {Name});
  return Next;
}
}  // namespace

bool IsWebAddress(const std::string& Text) {
  return StartsWithNoCase(Text, "https://") || StartsWithNoCase(Text, "http://") ||
         StartsWithNoCase(Text, "webcal://");
}

std::string FetchableAddress(const std::string& Address) {
  InitCurlOnce();
  TAddressParts Parts;
  if (!IsWebAddress(Address) || !ParseAddress(Address, Parts))
    throw EQuillbayError(TMessageId::NotAWebAddress);
  if (Parts.Scheme == "webcal") return "https" + Address.substr(6);
  return Address;
}

std::string AddressForMessages(const std::string& Address) {
  InitCurlOnce();
  TAddressParts Parts;
  if (!ParseAddress(Address, Parts)) return "(an address)";
  if (Parts.Scheme == "webcal") Parts.Scheme = "https";
  return Parts.ForMessages();
}

TFetchResponse FetchAddress(const std::string& Address, const TFetchOptions& Options,
                            const TFetchValidators& Cached) {
  std::string Url = FetchableAddress(Address);
  TAddressParts Start;
  ParseAddress(Url, Start);
  std::unique_ptr<CURL, TCurlFree> Handle(curl_easy_init());
  if (!Handle) throw EQuillbayError(TMessageId::CannotFetchOutOfMemory, {Start.ForMessages()});
  curl_slist* HeaderList = nullptr;
  auto AddHeader = [&](const std::string& Line) {
    if (Line.find_first_of("\r\n") != std::string::npos) return;  // a kept value must not add headers
    if (curl_slist* List = curl_slist_append(HeaderList, Line.c_str())) HeaderList = List;
  };
  AddHeader("Accept: text/calendar, */*;q=0.5");
  if (!Cached.ETag.empty()) AddHeader("If-None-Match: " + Cached.ETag);
  if (!Cached.LastModified.empty()) AddHeader("If-Modified-Since: " + Cached.LastModified);
  const std::unique_ptr<curl_slist, TCurlFree> Headers(HeaderList);

  TTransfer T;
  T.Options = &Options;
  char ErrorText[CURL_ERROR_SIZE] = "";
  Configure(Handle.get(), T, ErrorText, Headers.get());
  TAddressParts Hop = Start;
  for (int Redirects = 0;; ++Redirects) {
    T.Body.clear();
    T.Reason.clear();
    T.LastReceived = -1;
    T.LastProgress = TClock::now();
    ErrorText[0] = '\0';
    curl_easy_setopt(Handle.get(), CURLOPT_URL, Url.c_str());
    const CURLcode Code = curl_easy_perform(Handle.get());
    long Status = 0;
    curl_easy_getinfo(Handle.get(), CURLINFO_RESPONSE_CODE, &Status);
    if (Code != CURLE_OK) RaiseFailure(Code, T, Hop, Start, ErrorText, Status);
    if (IsRedirect(Status)) {
      char* Target = nullptr;
      curl_easy_getinfo(Handle.get(), CURLINFO_REDIRECT_URL, &Target);
      Hop = CheckRedirect(Hop, Target ? Target : "", Start, Redirects + 1, Options.Limits.MaxRedirects);
      Url = Target;
      continue;
    }
    TFetchResponse Response;
    Response.Validators = T.Validators;
    if (Status == 304 && (!Cached.ETag.empty() || !Cached.LastModified.empty())) {
      Response.NotModified = true;
      return Response;
    }
    if (Status < 200 || Status > 299) {
      const std::string Reason = T.Reason.empty() ? StandardReason(Status) : T.Reason;
      throw EQuillbayError(
          TMessageId::ServerAnswered,
          {Start.ForMessages(), std::to_string(Status) + (Reason.empty() ? "" : " " + Reason)});
    }
    Response.Body = std::move(T.Body);
    return Response;
  }
}
