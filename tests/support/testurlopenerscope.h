#pragma once

#include "cmndesktopopener.h"

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>
#include <QUrl>

// Records what would have been handed to the desktop, for its scope, and gives the
// program a cache folder of its own, so that generated help pages land in a
// temporary folder.
class CTestUrlOpenerScope
{
public:
    CTestUrlOpenerScope()
        : m_PreviousCache(qgetenv("XDG_CACHE_HOME"))
        , m_Previous(CmnSetUrlOpener([this](const QUrl &url) {
            m_Urls << url;
            return true;
        }))
    {
        qputenv("XDG_CACHE_HOME", m_Cache.path().toLocal8Bit());
    }
    ~CTestUrlOpenerScope()
    {
        CmnSetUrlOpener(m_Previous);
        qputenv("XDG_CACHE_HOME", m_PreviousCache);
    }
    CTestUrlOpenerScope(const CTestUrlOpenerScope &) = delete;
    CTestUrlOpenerScope &operator=(const CTestUrlOpenerScope &) = delete;

    QString CacheFolder() const { return m_Cache.path(); }
    QList<QUrl> m_Urls;

private:
    QTemporaryDir m_Cache;
    QByteArray m_PreviousCache;
    TCmnUrlOpener m_Previous;
};
