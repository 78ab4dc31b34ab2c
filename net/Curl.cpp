#include "net/Curl.h"

#include <curl/curl.h>

#include <mutex>

void InitCurlOnce() {
  static std::once_flag Once;
  std::call_once(Once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}
