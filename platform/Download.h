// Fetching a web address into a file, the way a small update check needs it:
// the call returns when the transfer has ended, while the windows keep
// painting (the user's input waits).
#pragma once

#include <QString>
#include <functional>

namespace platform {

// Downloads the address into the file, replacing it. True when the server
// answered with success and the whole body is in the file; on any failure
// (no connection, an error status, a timeout, a body over the size limit,
// a file that cannot be written) no file is left behind.
bool DownloadToFile(const QString& url, const QString& path);

// Longest wait for one download, in milliseconds (10 s unless set).
int DownloadTimeout();
void SetDownloadTimeout(int milliseconds);

// Largest body accepted, in bytes.
constexpr qint64 kDownloadSizeLimit = 1 << 20;

// Whether the address may be fetched at all: always, except in a sandboxed
// run (tests), which reaches only this machine (127.0.0.1, ::1, localhost).
// DownloadToFile refuses what this refuses.
bool DownloadPermitted(const QString& url);

// Replaces how downloads are made (an empty function restores the real one);
// returns the old one.
using Downloader = std::function<bool(const QString& url, const QString& path)>;
Downloader SetDownloader(Downloader downloader);

}  // namespace platform
