#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// A plain GET that waits for the answer, as the program's few web requests do, but never
// longer than timeoutMs. Network errors, HTTP statuses of 400 and above and the timeout are
// failures, with the reason in error. No proxy is used. User input is held back while waiting,
// so nothing else runs in the middle of the caller's work.
bool HttpGet(const QUrl& url, int timeoutMs, QByteArray* body, QString* error = nullptr);
