// The store's sections, keys and numbers, on documents built to trip it up; its
// walk of the document must select what pugixml's XPath engine selects for the
// same expression text.

#include "store/xmlcontext.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>

#include "store/store_query.h"
#include "support/data_folder.h"
#include "support/test_xml.h"

namespace {

// The string-value of the first node the expression selects, or nothing.
std::optional<std::string> XPathRead(const pugi::xml_document& document, const char* expression) {
    try {
        if (!document.select_node(expression))
            return std::nullopt;
        std::string text = "string(" + std::string(expression) + ")";
        return std::string(pugi::xpath_query(text.c_str()).evaluate_string(document));
    } catch (const pugi::xpath_exception&) {
        return std::nullopt;
    }
}

// Forty sections labelled A or B (enough to be indexed), each with a C inside.
std::string ManySections() {
    std::string body;
    for (int i = 0; i < 40; ++i)
        body += Section(i % 3 ? "A" : "B", Key("k" + std::to_string(i % 5), std::to_string(i)) +
                                               Section("C", Key("c" + std::to_string(i % 4), "c")));
    return Root(body);
}

const std::string kDocuments[] = {
    Root(Section("A", Key("k", "1") + Section("B", Key("x", "AB1"))) +
         Section("A", Key("k", "2") + Key("y", "y2") + Section("B", Key("y", "AB2")))),
    Root("<Other label=\"A\"><KeyVal Key=\"k\">other</KeyVal></Other><Section Label=\"A\">"
         "<KeyVal Key=\"k\">Label</KeyVal></Section><Section label=\"A\"><KeyVal key=\"k\">"
         "key</KeyVal><KeyVal Key=\"k\"><KeyVal Key=\"k\">in</KeyVal> out </KeyVal>"
         "</Section><x:Section xmlns:x=\"urn:x\" label=\"B\"><KeyVal Key=\"k\">ns</KeyVal>"
         "</x:Section><Section label=\"A&amp;B\"><KeyVal Key=\"&lt;k\">amp</KeyVal>"
         "</Section>"),
    Root("<Section label=\"A\" label=\"B\"><KeyVal Key=\"k\" Key=\"y\">dup</KeyVal>"
         "</Section><Section label=\"B\"><KeyVal Key=\"k\">B</KeyVal></Section>"),
    ManySections(),
    "<!-- lead --><?pi x?><Section label=\"Root\"><KeyVal Key=\"k\">root</KeyVal></Section>",
    "<Section label=\"root\"><KeyVal Key=\"k\">lower</KeyVal></Section>",
};

class XmlContextTest : public testing::Test {
  protected:
    std::unique_ptr<XmlContext> Open(const std::string& bytes) {
        data_.Write("test.xml", bytes);
        return std::make_unique<XmlContext>("test.xml");
    }
    static std::optional<std::string> Read(XmlContext& store, const char* section,
                                           const char* key) {
        char text[512];
        if (!store.GetString(section, key, text, sizeof(text)))
            return std::nullopt;
        return std::string(text);
    }

    DataFolder data_;
};

TEST_F(XmlContextTest, SectionPathsNameSections) {
    auto store =
        Open(Root(Key("Count", "2") +
                  Section("Level1", Key("Name", "first") + Section("Pawn2", Key("x", "90"))) +
                  Section("Level 1", Key("Name", "blank")) + Section("", Key("Name", "empty"))));
    EXPECT_EQ(Read(*store, "Level*1", "Name"), "first");
    EXPECT_EQ(Read(*store, "*Lev*el1*\\Pa*wn2", "x"), "90");
    EXPECT_EQ(Read(*store, "Level 1", "Name"), "blank");
    EXPECT_EQ(Read(*store, "*", "Count"), "2");
    EXPECT_EQ(Read(*store, "", "Count"), "2");
    EXPECT_EQ(Read(*store, "level1", "Name"), std::nullopt);
    EXPECT_EQ(Read(*store, "Level1", "Count"), std::nullopt);
    // An empty label names no section, not even one labelled "".
    for (const char* path : {"Level1\\", "\\Level1", "Level1\\\\Pawn2", "**", "Level1\\*"})
        EXPECT_EQ(Read(*store, path, "Name"), std::nullopt) << path;
}

TEST_F(XmlContextTest, EmptyWrongOrBrokenDocumentsFindNothing) {
    const std::string good = Root(Key("a", "1"));
    std::string cases[] = {"",
                           good.substr(0, good.size() - 3),
                           good + good,
                           good + "<",
                           "<Section label=\"root\">" + Key("a", "1") + "</Section>",
                           "<Section>" + good + "</Section>",
                           "<Other label=\"Root\"/>"};
    for (const std::string& bytes : cases)
        EXPECT_EQ(Read(*Open(bytes), "*", "a"), std::nullopt) << bytes;

    XmlContext missing("absent.xml");
    char text[8] = "keep";
    int32_t number = 7;
    double real = 2.5;
    EXPECT_FALSE(missing.GetString("*", "a", text, sizeof(text)));
    EXPECT_FALSE(missing.GetInt("*", "a", &number));
    EXPECT_FALSE(missing.GetDouble("*", "a", &real));
    EXPECT_STREQ(text, "keep");
    EXPECT_EQ(number, 7);
    EXPECT_EQ(real, 2.5);
    EXPECT_EQ(Read(*Open(good), "*", "a"), "1");
}

TEST_F(XmlContextTest, QuotesInLabelsOrKeysFindNothing) {
    auto store = Open(Root(Section("A", Key("k", "A")) + Section("B", Key("k", "B")) +
                           "<Section label='q\"'><KeyVal Key='k\"'>q</KeyVal></Section>"));
    EXPECT_EQ(Read(*store, "A\"]/Section[@label=\"B", "k"), std::nullopt);
    EXPECT_EQ(Read(*store, "A", "k\"] | //KeyVal[@Key=\"k"), std::nullopt);
    EXPECT_EQ(Read(*store, "q\"", "k\""), std::nullopt);
}

TEST_F(XmlContextTest, NumbersNeverFailOnText) {
    const std::pair<const char*, int32_t> ints[] = {
        {"4294967295", -1}, {"12abc", 12}, {"abc", 0}, {"  -7", -7}, {"99999999999", 1215752191}};
    const std::pair<const char*, double> doubles[] = {
        {"0.500000000", 0.5}, {"-20", -20.0}, {" 1e3x", 1000.0}, {"abc", 0.0},
        {".5", 0.5},          {"1e", 1.0},    {"0x10", 0.0},     {"inf", 0.0}};
    std::string body;
    for (const auto& [text, expected] : ints)
        body += Key(std::string("i") + text, text);
    for (const auto& [text, expected] : doubles)
        body += Key(std::string("d") + text, text);
    auto store = Open(Root(body));
    for (const auto& [text, expected] : ints) {
        int32_t value = 12345;
        EXPECT_TRUE(store->GetInt("*", (std::string("i") + text).c_str(), &value));
        EXPECT_EQ(value, expected) << text;
    }
    for (const auto& [text, expected] : doubles) {
        double value = 99.0;
        EXPECT_TRUE(store->GetDouble("*", (std::string("d") + text).c_str(), &value));
        EXPECT_EQ(value, expected) << text;
    }
}

TEST_F(XmlContextTest, TextIsCutToItsBuffer) {
    auto store =
        Open(Root(Key("i", std::string(62, ' ') + "12") + Key("d", std::string(61, ' ') + "12.5") +
                  Key("s", "abcdef") + Key("u", "a\xC3\xA9z") +
                  Key("mixed", "a<![CDATA[<b>]]>&amp;<i>c</i>d<!-- x -->")));
    int32_t number = 0;
    double real = 0;
    ASSERT_TRUE(store->GetInt("*", "i", &number));
    EXPECT_EQ(number, 1);  // numbers are read from the first 63 characters
    ASSERT_TRUE(store->GetDouble("*", "d", &real));
    EXPECT_EQ(real, 12.0);
    char text[8];
    ASSERT_TRUE(store->GetString("*", "s", text, 4));
    EXPECT_STREQ(text, "abc");
    ASSERT_TRUE(store->GetString("*", "u", text, 3));
    EXPECT_STREQ(text, "a");  // a UTF-8 character is never split
    EXPECT_EQ(Read(*store, "*", "mixed"), "a<b>&cd");
}

TEST_F(XmlContextTest, DeepNestingAndHugeTextAreSafe) {
    std::string open, close, path = "d";
    for (int i = 0; i < 200000; ++i) {
        open += "<Section label=\"d\">";
        close += "</Section>";
        path += "\\d";
    }
    std::string deep = open + Key("k", "bottom") + close;
    auto nested = Open(Root("<KeyVal Key=\"all\">" + deep + "</KeyVal>" + deep));
    EXPECT_EQ(Read(*nested, "*", "all"), "bottom");
    EXPECT_EQ(Read(*nested, path.c_str(), "k"), std::nullopt);  // far beyond an expression

    auto huge = Open(Root(Key("h", "7" + std::string(20 << 20, '1'))));
    int32_t number = 0;
    EXPECT_TRUE(huge->GetInt("*", "h", &number));
    EXPECT_EQ(Read(*huge, "*", "h")->size(), 511u);
}

TEST_F(XmlContextTest, WalkSelectsWhatXPathSelects) {
    const char* const paths[] = {"*", "A", "B", "A\\B", "A\\C", "B\\C", "A&B", "Root", "C"};
    const char* const keys[] = {"k", "x", "y", "k0", "k3", "c1", "c3", "<k", "K"};
    int found = 0;
    for (const std::string& bytes : kDocuments) {
        auto store = Open(bytes);
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(bytes.c_str())) << bytes;
        for (const char* path : paths) {
            for (const char* key : keys) {
                StoreQuery query;
                BuildStoreQuery(path, key, &query);
                std::optional<std::string> expected = XPathRead(document, query.expression);
                EXPECT_EQ(Read(*store, path, key), expected) << query.expression;
                found += expected.has_value();
            }
        }
    }
    EXPECT_GE(found, 15);  // the documents really exercise the walk
}

}  // namespace
