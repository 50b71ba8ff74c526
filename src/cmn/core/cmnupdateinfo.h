#pragma once

#include <QDate>
#include <QString>

class CCmnSystemSettings;
class QUrl;

// The update notice's logic: when a program start asks for the update
// information, where it asks, and the notice made from the file the server sends.
// The file is untrusted: whatever it holds, the worst outcome is no notice.

inline constexpr char CmnUpdateReminderKey[] = "updatereminder";
// The remembered answer of the notice; a non-zero answer stops the requests too.
inline constexpr qint32 CmnUpdateNoticeMessageId = 103;
// The file is a few lines; a reply is never read beyond this.
inline constexpr qint64 CmnMaxUpdateInfoBytes = 64 * 1024;

// Whether this start sends the request. A due check moves the next one 14 days
// on before anything is sent, so a failing server is not asked again sooner; the
// first start only records today.
bool CmnUpdateCheckDue(CCmnSystemSettings &settings, const QDate &today);

// The base address, the product's compact name and the file name. Invalid unless
// the base is https, or http to this machine (a local test server): the notice
// carries links, so it never travels in clear text.
QUrl CmnUpdateInfoUrl(const QString &baseAddress, const QString &compactProductName);

// A redirect is followed only to another https address.
bool CmnIsAllowedUpdateRedirect(const QUrl &target);

// The HTML of the notice for the running version, or the empty text when the
// file announces nothing newer for this build and platform.
QString CmnUpdateNoticeHtml(const QString &updateText, const QString &runningVersion, const QString &productName,
                            const QString &webSite);
