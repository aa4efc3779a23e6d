// Value classes of the SNMP adapter: object identifiers, addresses, counters
// and the variable binding.
#include "snmplib/SnmpValues.h"

#include <gtest/gtest.h>

TEST(SnmpValues, OidFromText)
{
    const struct
    {
        const char* text;
        bool valid;
        const char* printable;
    } cases[] = {
        {"1.3.6.1.2.1", true, "1.3.6.1.2.1"},
        {".1.3.6", true, "1.3.6"},
        {"0", true, "0"},
        {"4294967295.1", true, "4294967295.1"},
        {"4294967296", false, ""},
        {"", false, ""},
        {".", false, ""},
        {"1..3", false, ""},
        {"1.3.", false, ""},
        {"1.a", false, ""},
        {" 1.3", false, ""},
        {"1.3 ", false, ""},
        {"-1", false, ""},
    };
    for (const auto& c : cases) {
        const Oid oid(c.text);
        EXPECT_EQ(oid.valid(), c.valid) << c.text;
        EXPECT_EQ(oid.get_printable(), c.printable) << c.text;
    }
    EXPECT_FALSE(Oid(static_cast<const char*>(nullptr)).valid());
}

TEST(SnmpValues, OidOperations)
{
    Oid oid("1.3.6.1.2.1.2.2.1.2");
    EXPECT_EQ(oid.len(), 10u);
    EXPECT_EQ(oid[9], 2u);
    EXPECT_TRUE(oid.startsWith(Oid("1.3.6.1.2.1.2.2.1")));
    EXPECT_TRUE(oid.startsWith(Oid()));
    EXPECT_FALSE(oid.startsWith(Oid("1.3.6.1.2.1.2.2.1.3")));
    EXPECT_FALSE(Oid("1.3").startsWith(oid));
    oid.append(7);
    oid.append(Oid{8, 9});
    EXPECT_EQ(oid.get_printable(), "1.3.6.1.2.1.2.2.1.2.7.8.9");
    oid.trim(3);
    EXPECT_EQ(oid.get_printable(), "1.3.6.1.2.1.2.2.1.2");
    oid.trim(100);
    EXPECT_FALSE(oid.valid());
    // Agents order their MIB by sub-identifier, not by text.
    EXPECT_TRUE(Oid("1.3.6.1.2") < Oid("1.3.6.1.10"));
    EXPECT_TRUE(Oid("1.3.6") < Oid("1.3.6.0"));
    EXPECT_TRUE(Oid("1.3.6") == Oid(std::vector<uint32_t>{1, 3, 6}));
    EXPECT_TRUE(Oid("1.3.6") != Oid("1.3.7"));
}

TEST(SnmpValues, IpAddressFromText)
{
    const struct
    {
        const char* text;
        bool valid;
        const char* printable;
    } cases[] = {
        {"10.90.90.90", true, "10.90.90.90"},
        {"0.0.0.0", true, "0.0.0.0"},
        {"255.255.255.255", true, "255.255.255.255"},
        {"256.1.1.1", false, nullptr},
        {"10.1.1", false, nullptr},
        {"10.1.1.1.1", false, nullptr},
        {"10.1.1.1x", false, nullptr},
        {"host", false, nullptr},
        {"", false, nullptr},
    };
    for (const auto& c : cases) {
        const IpAddress a(c.text);
        EXPECT_EQ(a.valid(), c.valid) << c.text;
        if (c.valid) {
            EXPECT_EQ(a.get_printable(), c.printable);
        }
    }
    EXPECT_FALSE(IpAddress(static_cast<const char*>(nullptr)).valid());
    const IpAddress a(192, 168, 0, 1);
    EXPECT_EQ(a.get_printable(), "192.168.0.1");
    EXPECT_EQ(a.bytes()[0], 192);
}

TEST(SnmpValues, CountersAndTicks)
{
    const Counter64 c(0x12345678u, 0x9ABCDEF0u);
    EXPECT_EQ(uint64_t(c), 0x123456789ABCDEF0ull);
    EXPECT_EQ(c.high(), 0x12345678u);
    EXPECT_EQ(c.low(), 0x9ABCDEF0u);
    EXPECT_EQ(Counter64(0xFFFFFFFFFFFFFFFFull).high(), 0xFFFFFFFFu);
    EXPECT_EQ(uint32_t(TimeTicks(8640000)), 8640000u);
}

TEST(SnmpValues, BindingHoldsOneValue)
{
    Vb vb(Oid("1.3.6.1.2.1.1.5.0"));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_NULL);
    EXPECT_EQ(vb.get_printable_oid(), "1.3.6.1.2.1.1.5.0");
    EXPECT_FALSE(vb.is_exception());

    vb.set_value(int32_t(-5));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_INT32);
    EXPECT_EQ(vb.get_int32(), -5);

    vb.set_value(OctetStr("ab"));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_OCTETS);
    EXPECT_EQ(vb.get_octets().bytes(), "ab");
    EXPECT_EQ(vb.get_int32(), 0); // a new value clears the old one

    vb.set_value(Oid("1.3.6"));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_OID);
    EXPECT_EQ(vb.get_oid_value().get_printable(), "1.3.6");
    EXPECT_EQ(vb.get_octets().len(), 0u);

    vb.set_value(IpAddress(10, 0, 0, 1));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_IPADDR);
    EXPECT_EQ(vb.get_octets().bytes(), std::string("\x0a\x00\x00\x01", 4));
    EXPECT_FALSE(vb.get_oid_value().valid());

    vb.set_value(TimeTicks(100));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_TIMETICKS);
    EXPECT_EQ(vb.get_uint32(), 100u);

    vb.set_value(Counter64(0xFFFFFFFFFFFFFFFFull));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_CNTR64);
    EXPECT_EQ(vb.get_uint64(), 0xFFFFFFFFFFFFFFFFull);

    vb.set_unsigned(sNMP_SYNTAX_GAUGE32, 4000000000u);
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_GAUGE32);
    EXPECT_EQ(vb.get_uint32(), 4000000000u);
    EXPECT_EQ(vb.get_uint64(), 4000000000u);

    vb.set_opaque(OctetStr(std::string("\0\1", 2)));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_OPAQUE);
    EXPECT_EQ(vb.get_octets().len(), 2u);

    vb.set_null();
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_NULL);
    EXPECT_EQ(vb.get_octets().len(), 0u);
    EXPECT_EQ(vb.get_oid().get_printable(), "1.3.6.1.2.1.1.5.0"); // the OID stays

    for (uint8_t s : {sNMP_SYNTAX_NOSUCHOBJECT, sNMP_SYNTAX_NOSUCHINSTANCE, sNMP_SYNTAX_ENDOFMIBVIEW}) {
        vb.set_syntax(s);
        EXPECT_TRUE(vb.is_exception());
    }
}

TEST(SnmpValues, BindingEquality)
{
    Vb a(Oid("1.3.6.1"));
    Vb b(Oid("1.3.6.1"));
    EXPECT_TRUE(a == b);
    a.set_value(int32_t(1));
    EXPECT_FALSE(a == b);
    b.set_unsigned(sNMP_SYNTAX_GAUGE32, 1);
    EXPECT_FALSE(a == b); // same number, other syntax
    b.set_value(int32_t(1));
    EXPECT_TRUE(a == b);
    b.set_oid(Oid("1.3.6.2"));
    EXPECT_FALSE(a == b);
}
