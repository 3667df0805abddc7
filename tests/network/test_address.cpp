// What a joining player may type as the host's address.
#include "network/address.h"

#include <gtest/gtest.h>

namespace kp {

TEST(Address, namesAndAddressesWithOrWithoutAPortAndGarbageRefused) {
    struct Case {
        const char* text;
        const char* host; // nullptr: refused
        quint16 port;
    };
    const Case cases[] = {
        {"kitchen-pc", "kitchen-pc", 47470},
        {"  kitchen-pc.lan:5000 \n", "kitchen-pc.lan", 5000},
        {"1.2.3.4", "1.2.3.4", 47470},
        {"1.2.3.4:5", "1.2.3.4", 5},
        {"::1", "::1", 47470},
        {"[::1]", "::1", 47470},
        {"[::1]:5", "::1", 5},
        {"fe80::1%eth0", "fe80::1%eth0", 47470},
        {"[fe80::1%eth0]:65535", "fe80::1%eth0", 65535},
        {"", nullptr, 0},
        {"   ", nullptr, 0},
        {"host:0", nullptr, 0},
        {"host:65536", nullptr, 0},
        {"host:", nullptr, 0},
        {"host:+5", nullptr, 0},
        {"host:5x", nullptr, 0},
        {":5", nullptr, 0},
        {"[::1]x", nullptr, 0},
        {"[::1", nullptr, 0},
        {"[1.2.3.4]:5", nullptr, 0},
        {"::g", nullptr, 0},
        {"1.2.3.256", nullptr, 0},
        {"10.1", nullptr, 0},
        {"two words", nullptr, 0},
        {"-edge.lan", nullptr, 0},
        {"a..b", nullptr, 0},
        {"ws://host", nullptr, 0},
    };
    for (const Case& c : cases) {
        const auto address = parseAddress(QString::fromUtf8(c.text), GamePort);
        if (!c.host) {
            EXPECT_FALSE(address) << c.text;
            continue;
        }
        ASSERT_TRUE(address) << c.text;
        EXPECT_EQ(address->host, QString::fromUtf8(c.host)) << c.text;
        EXPECT_EQ(address->port, c.port) << c.text;
    }
}

} // namespace kp
