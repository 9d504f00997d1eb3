// The store walks the document instead of running its XPath expressions.
// These tests check that the walk selects what pugixml's XPath engine selects
// for the same expression text, on documents built to trip a walk up.

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <optional>
#include <string>

#include "store/store_query.h"
#include "store/xmlcontext.h"
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

std::optional<std::string> StoreRead(XmlContext& store, const char* section, const char* key) {
    char text[512];
    if (!store.GetString(section, key, text, sizeof(text)))
        return std::nullopt;
    return std::string(text);
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
    Root("<Section label=\"A\"><KeyVal Key=\"k\">1</KeyVal><Section label=\"B\">"
         "<KeyVal Key=\"x\">AB1</KeyVal></Section></Section><Section label=\"A\">"
         "<KeyVal Key=\"k\">2</KeyVal><KeyVal Key=\"y\">y2</KeyVal><Section label=\"B\">"
         "<KeyVal Key=\"y\">AB2</KeyVal></Section></Section>"),
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

TEST(XPathAgreementTest, WalkSelectsWhatXPathSelects) {
    const char* const paths[] = {"*", "A", "B", "A\\B", "A\\C", "B\\C", "A&B", "Root", "C"};
    const char* const keys[] = {"k", "x", "y", "k0", "k3", "c1", "c3", "<k", "K"};
    DataFolder files;
    int found = 0;
    for (const std::string& bytes : kDocuments) {
        files.Write("agree.xml", bytes);
        XmlContext store("agree.xml");
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(bytes.c_str())) << bytes;
        for (const char* path : paths) {
            for (const char* key : keys) {
                StoreQuery query;
                BuildStoreQuery(path, key, &query);
                std::optional<std::string> expected = XPathRead(document, query.expression);
                EXPECT_EQ(StoreRead(store, path, key), expected) << query.expression;
                found += expected.has_value();
            }
        }
    }
    EXPECT_GE(found, 15);  // the documents really exercise the walk
}

TEST(XPathAgreementTest, CutExpressionsFindNothing) {
    // A 451-character label fills the 511-character expression exactly. One
    // more and the text is cut; cut after a Section step it would still
    // parse and select the section itself, whose text is no key's value.
    std::string label(451, 'a');
    std::string bytes = Root("<Section label=\"" + label + "\"><KeyVal Key=\"k\">fits" +
                             "</KeyVal></Section><Section label=\"" + label + "aaaaaaaaaaaaaaaaa" +
                             "\">section<Section label=\"X\"><KeyVal Key=\"k\">value" +
                             "</KeyVal></Section></Section>");
    DataFolder files;
    files.Write("cut.xml", bytes);
    XmlContext store("cut.xml");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(bytes.c_str()));
    EXPECT_EQ(StoreRead(store, label.c_str(), "k"), "fits");
    std::string path = label + std::string(17, 'a') + "\\X";
    StoreQuery query;
    BuildStoreQuery(path.c_str(), "k", &query);
    EXPECT_EQ(XPathRead(document, query.expression), "sectionvalue");
    EXPECT_EQ(StoreRead(store, path.c_str(), "k"), std::nullopt);
}

}  // namespace
