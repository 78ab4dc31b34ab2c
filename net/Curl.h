#pragma once
// libcurl's global state, made once per process before the first handle of
// any unit of net/ (fetching and uploading alike); it is never torn down, as
// threads of the window may still hold handles while the program ends.

void InitCurlOnce();
