#pragma once
// The upload targets that this user has confirmed. A document can name where
// its site is uploaded, and a document can come from someone else: before the
// first upload to a target the user is asked once, and the answer is kept in
// the settings store (key UploadTargets, one value per address), never in the
// document. Addresses are the targets' own forms without any secret
// ("sftp://user@host:22/folder/"); no password is ever kept here.

#include <functional>
#include <string>

// True when the user confirmed uploads to Address before.
bool UploadTargetTrusted(const std::string& Address);
// Keeps that the user confirmed Address. Raises "Failed to set data for '%s'"
// when the store cannot be written.
void TrustUploadTarget(const std::string& Address);
// True when Address was confirmed before, or Ask (called only then) says yes,
// which is then kept.
bool ConfirmUploadTarget(const std::string& Address, const std::function<bool()>& Ask);
