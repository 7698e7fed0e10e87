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

} // namespace
