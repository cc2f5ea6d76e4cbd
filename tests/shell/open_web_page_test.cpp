#include "OpenWebPage.h"
#include "QtTestHelpers.h"
#include "WebAddresses.h"

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

TEST(OpenWebPageTest, HandsEachAddressUnchangedToTheDesktopEveryTime)
{
    mrv::test::UrlRecorder recorder;
    for (const char* address : {mrv::kProjectPageUrl, mrv::kUpdateSiteUrl}) {
        SCOPED_TRACE(address);
        recorder.opened.clear();
        mrv::OpenWebPage(QString::fromLatin1(address));
        mrv::OpenWebPage(QString::fromLatin1(address));
        // The handler ran before OpenWebPage returned: nothing is queued.
        ASSERT_EQ(recorder.opened.size(), 2);
        for (const QString& url : recorder.opened)
            EXPECT_EQ(url, QString::fromLatin1(address));
    }
}

TEST(WebAddresses, AreHttpAddressesUnderTheReservedExampleDomain)
{
    struct Case {
        const char* address;
        const char* path;
    };
    // The project page has its fixed path; the update site is a host alone.
    for (const Case& c : {Case{mrv::kProjectPageUrl, "/mrv/mrv.html"}, Case{mrv::kUpdateSiteUrl, ""}}) {
        SCOPED_TRACE(c.address);
        const QUrl url(QString::fromLatin1(c.address), QUrl::StrictMode);
        ASSERT_TRUE(url.isValid());
        EXPECT_EQ(url.scheme(), "http");
        EXPECT_TRUE(url.host().endsWith(".example.org")) << url.host().toStdString();
        EXPECT_EQ(url.path(), c.path);
        EXPECT_TRUE(url.query().isEmpty() && url.fragment().isEmpty());
    }
}

} // namespace
