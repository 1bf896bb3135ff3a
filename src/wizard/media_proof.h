// What the driver proves of the media before anything is written, on both roads and in every
// mode: the manifest is the publisher's, the upgrade library's archive is the one it names.
#pragma once

#include <functional>
#include <string>

#include "copy/media_manifest.h"
#include "state/install_state.h"
#include "wizard/wizard_context.h"

// Asks the person to put disk 1 in again after `text` (caption `caption`): true for Retry.
using MediaRetry = std::function<bool(const std::string& text, const std::string& caption)>;

// Reads the media's manifest through context.media_reader and sets context.media; a refused kit
// is asked for again while `retry` says so. False when the run stops: the refusal is then in the
// log and in state.Failures. Without a reader (tests) context.media stays as it was.
bool ProveMedia(TWizardContext& context, const MediaRetry& retry);

// The working copy of the upgrade library's archive, measured against a signed manifest before it
// is unpacked: the refusal, empty when it is the one the manifest names or the manifest is not
// signed.
std::string UpgradeArchiveRefusal(const copy::MediaManifest* media, const std::string& archive);

// The disk count: the signed manifest's, else the working copy's setup configuration.
int32_t MediaDiskCount(const TWizardContext& context, const std::string& program_dir);
