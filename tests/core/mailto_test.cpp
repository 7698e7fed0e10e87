#include "mailto.h"

#include "support.h"

#include <gtest/gtest.h>

namespace {

TEST(MailtoUrl, KeepsTheAddressOneAddress)
{
    struct Case {
        const char* address;
        const char* url;
    };
    const Case cases[] = {
        {"jan.kowalski@example.org", "mailto:jan.kowalski@example.org"},
        {"a_b-c~d@x.pl", "mailto:a_b-c~d@x.pl"},
        // A query would add fields to the mail, such as a body or an attachment request.
        {"x@y.pl?attach=/etc/passwd", "mailto:x@y.pl%3Fattach%3D%2Fetc%2Fpasswd"},
        {"x@y.pl&body=hi", "mailto:x@y.pl%26body%3Dhi"},
        {"x@y.pl#frag", "mailto:x@y.pl%23frag"},
        {" x@y.pl", "mailto:%20x@y.pl"},
        {"zażółć@x.pl", "mailto:za%C5%BC%C3%B3%C5%82%C4%87@x.pl"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mailtoUrl(QString::fromUtf8(c.address)), c.url) << c.address;
}

// The bulk mail encodes each address as "M" does, so one address cannot rewrite the message to all.
TEST(BulkMailUrl, EachAddressEncodedAndFollowedBySemicolonAndBlank)
{
    struct Case {
        const char* what;
        QList<QByteArray> addresses;
        const char* url;
    };
    const Case cases[] = {
        {"one", {"a@x.pl"}, "mailto:a@x.pl; "},
        {"three in order",
         {"a@x.pl", cp("jan kowalski@żółw.pl"), "c@x.pl"},
         "mailto:a@x.pl; jan%20kowalski@%C5%BC%C3%B3%C5%82w.pl; c@x.pl; "},
        {"headers and an attachment",
         {"a@x.pl?bcc=spy@y.pl&attach=/home/ala/.ssh/id_rsa", "b@x.pl"},
         "mailto:a@x.pl%3Fbcc%3Dspy@y.pl%26attach%3D%2Fhome%2Fala%2F.ssh%2Fid_rsa; b@x.pl; "},
        {"a fragment drops nobody", {"a@x.pl#", "b@x.pl"}, "mailto:a@x.pl%23; b@x.pl; "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bulkMailUrl(c.addresses), QString::fromUtf8(c.url)) << c.what;
}

} // namespace
