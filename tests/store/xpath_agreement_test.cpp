// The store evaluates its location paths by walking the document. These tests
// check that the walk selects what a general XPath engine selects for the same
// expression text, on documents built to trip a walk up.

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <optional>
#include <string>

#include "store/store_files.h"
#include "store/store_query.h"
#include "store/xmlcontext.h"

namespace {

// What pugixml's XPath engine reads for a query: the string-value of the
// first selected node, or nothing.
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

std::optional<std::string> StoreRead(XmlContext& store, const char* section, const char* key) {
    char text[512];
    if (!store.GetString(section, key, text, sizeof(text)))
        return std::nullopt;
    return std::string(text);
}

std::string ManySections() {
    std::string body;
    for (int i = 0; i < 40; ++i)
        body += "<Section label=\"" + std::string(i % 3 ? "A" : "B") + "\"><KeyVal Key=\"n" +
                std::to_string(i % 5) + "\">" + std::to_string(i) +
                "</KeyVal><Section label=\"C\"><KeyVal Key=\"c" + std::to_string(i % 4) + "\">c" +
                std::to_string(i) + "</KeyVal></Section></Section>";
    return RootDocument(body);
}

const std::string kDocuments[] = {
    RootDocument("<Section label=\"A\"><KeyVal Key=\"k\">1</KeyVal>"
                 "<Section label=\"B\"><KeyVal Key=\"x\">AB1</KeyVal></Section></Section>"
                 "<Section label=\"A\"><KeyVal Key=\"k\">2</KeyVal><KeyVal Key=\"y\">y2</KeyVal>"
                 "<Section label=\"B\"><KeyVal Key=\"y\">AB2</KeyVal></Section></Section>"),
    RootDocument("<Other label=\"A\"><KeyVal Key=\"k\">other</KeyVal></Other>"
                 "<Section Label=\"A\"><KeyVal Key=\"k\">Label</KeyVal></Section>"
                 "<Section label=\"A\"><KeyVal key=\"k\">key</KeyVal><Keyval Key=\"k\">kv</Keyval>"
                 "<KeyVal Key=\"k\"><KeyVal Key=\"k\">inner</KeyVal> outer </KeyVal></Section>"),
    RootDocument("<x:Section xmlns:x=\"urn:x\" label=\"A\"><KeyVal Key=\"k\">ns</KeyVal>"
                 "</x:Section><Section label=\"A&amp;B\"><KeyVal Key=\"&lt;k&gt;\">amp</KeyVal>"
                 "</Section><Section label=\"A B\"><KeyVal Key=\"k\">blank</KeyVal></Section>"
                 "<Section label=\"\xC3\xA9\"><KeyVal Key=\"k\">utf8</KeyVal></Section>"),
    RootDocument("<Section label=\"A\" label=\"B\"><KeyVal Key=\"k\" Key=\"y\">dup</KeyVal>"
                 "</Section><Section label=\"B\"><KeyVal Key=\"k\">B</KeyVal></Section>"),
    ManySections(),
    "<Section label=\"root\"><KeyVal Key=\"k\">lower</KeyVal></Section>",
    "<!-- lead --><?pi x?><Section label=\"Root\"><KeyVal Key=\"k\">root</KeyVal></Section>",
};

const char* const kPaths[] = {"",    "*",   "A",        "B",    "A\\B",    "A\\C", "B\\C",
                              "A&B", "A B", "\xC3\xA9", "Root", "A\\B\\C", "C"};
const char* const kKeys[] = {"k", "x", "y", "n0", "n3", "c1", "c3", "<k>", "K"};

TEST(XPathAgreementTest, WalkSelectsWhatXPathSelects) {
    StoreFiles files;
    int found = 0;
    for (const std::string& bytes : kDocuments) {
        files.Write("agree.xml", bytes);
        XmlContext store("agree.xml");
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(bytes.c_str())) << bytes;
        for (const char* path : kPaths) {
            for (const char* key : kKeys) {
                StoreQuery query;
                BuildStoreQuery(path, key, &query);
                std::optional<std::string> expected = XPathRead(document, query.expression);
                EXPECT_EQ(StoreRead(store, path, key), expected) << bytes << "\n"
                                                                 << query.expression;
                found += expected.has_value();
            }
        }
    }
    EXPECT_GE(found, 15);  // the documents really exercise the walk
}

TEST(XPathAgreementTest, CutExpressionsFindNothing) {
    // Cut at 511 characters, this expression still parses and selects the
    // section itself; a read of a key must not return a section's text.
    std::string label(468, 'a');
    std::string bytes = RootDocument("<Section label=\"" + label +
                                     "\">section text<Section label=\"X\"><KeyVal Key=\"k\">"
                                     "value</KeyVal></Section></Section>");
    StoreFiles files;
    files.Write("cut.xml", bytes);
    XmlContext store("cut.xml");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(bytes.c_str()));
    std::string path = label + "\\X";
    StoreQuery query;
    BuildStoreQuery(path.c_str(), "k", &query);
    EXPECT_EQ(XPathRead(document, query.expression), "section textvalue");
    EXPECT_EQ(StoreRead(store, path.c_str(), "k"), std::nullopt);
}

}  // namespace
