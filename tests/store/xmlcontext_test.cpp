#include "store/xmlcontext.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "store/store_files.h"

namespace {

class XmlContextTest : public testing::Test {
  protected:
    std::unique_ptr<XmlContext> Open(const std::string& bytes) {
        files_.Write("test.xml", bytes);
        return std::make_unique<XmlContext>("test.xml");
    }
    std::unique_ptr<XmlContext> OpenRoot(const std::string& body) {
        return Open(RootDocument(body));
    }
    static std::optional<std::string> Read(XmlContext& store, const char* section,
                                           const char* key) {
        char text[512];
        if (!store.GetString(section, key, text, sizeof(text)))
            return std::nullopt;
        return std::string(text);
    }

    StoreFiles files_;
};

const char kLevels[] =
    "<KeyVal Key=\"Count\">2</KeyVal>"
    "<Section label=\"Level1\"><KeyVal Key=\"Name\">first</KeyVal>"
    "  <Section label=\"Pawn2\"><KeyVal Key=\"xangle\">90</KeyVal></Section>"
    "</Section>"
    "<Section label=\"Level 1\"><KeyVal Key=\"Name\">blank</KeyVal></Section>";

TEST_F(XmlContextTest, SectionPathsNameSections) {
    auto store = OpenRoot(kLevels);
    EXPECT_EQ(Read(*store, "Level1", "Name"), "first");
    EXPECT_EQ(Read(*store, "Level*1", "Name"), "first");
    EXPECT_EQ(Read(*store, "*Lev*el1*\\Pa*wn2", "xangle"), "90");
    EXPECT_EQ(Read(*store, "Level 1", "Name"), "blank");  // blanks belong to the label
    EXPECT_EQ(Read(*store, "*", "Count"), "2");
    EXPECT_EQ(Read(*store, "", "Count"), "2");
    EXPECT_EQ(Read(*store, "level1", "Name"), std::nullopt);  // case-sensitive
    EXPECT_EQ(Read(*store, "Level1", "name"), std::nullopt);
    EXPECT_EQ(Read(*store, "Level1", "Count"), std::nullopt);  // keys are not inherited
}

TEST_F(XmlContextTest, EmptyLabelsFindNothing) {
    // A section really labelled "" must not be reachable through an empty label either.
    auto store = OpenRoot(std::string(kLevels) +
                          "<Section label=\"\"><KeyVal Key=\"Name\">empty</KeyVal>"
                          "<Section label=\"\"><KeyVal Key=\"Name\">empty2</KeyVal></Section>"
                          "</Section>");
    for (const char* path : {"Level1\\", "\\Level1", "Level1\\\\Pawn2", "**", "Level1\\*", "\\"})
        EXPECT_EQ(Read(*store, path, "Name"), std::nullopt) << path;
}

TEST_F(XmlContextTest, FailedReadsLeaveOutputsUntouched) {
    auto store = OpenRoot(kLevels);
    char text[8] = "keep";
    int32_t number = 7;
    double real = 2.5;
    EXPECT_FALSE(store->GetString("Level1", "Missing", text, sizeof(text)));
    EXPECT_FALSE(store->GetInt("Missing", "Name", &number));
    EXPECT_FALSE(store->GetDouble("Level1\\Pawn3", "xangle", &real));
    EXPECT_STREQ(text, "keep");
    EXPECT_EQ(number, 7);
    EXPECT_EQ(real, 2.5);
    EXPECT_FALSE(store->GetString(nullptr, "Name", text, sizeof(text)));
    EXPECT_FALSE(store->GetString("Level1", nullptr, text, sizeof(text)));
    EXPECT_FALSE(store->GetInt("Level1", "Name", nullptr));
}

TEST_F(XmlContextTest, FirstMatchInDocumentOrderWins) {
    auto store = OpenRoot(
        "<Section label=\"L\"><KeyVal Key=\"a\">1</KeyVal><KeyVal Key=\"a\">2</KeyVal>"
        "  <Section label=\"P\"><KeyVal Key=\"x\">first P</KeyVal></Section>"
        "</Section>"
        "<Section label=\"L\"><KeyVal Key=\"a\">3</KeyVal><KeyVal Key=\"b\">second L</KeyVal>"
        "  <Section label=\"P\"><KeyVal Key=\"x\">second P</KeyVal>"
        "    <KeyVal Key=\"y\">only in second P</KeyVal></Section>"
        "  <Section label=\"Q\"><KeyVal Key=\"z\">Q of second L</KeyVal></Section>"
        "</Section>");
    EXPECT_EQ(Read(*store, "L", "a"), "1");
    EXPECT_EQ(Read(*store, "L", "b"), "second L");
    EXPECT_EQ(Read(*store, "L\\P", "x"), "first P");
    EXPECT_EQ(Read(*store, "L\\P", "y"), "only in second P");
    EXPECT_EQ(Read(*store, "L\\Q", "z"), "Q of second L");
}

TEST_F(XmlContextTest, ManySiblingsKeepDocumentOrder) {
    // Enough children that the store indexes them; repeated labels and keys interleaved.
    std::string body = "<Section label=\"Level1\">";
    for (int i = 1; i <= 200; ++i)
        body += "<Section label=\"Pawn" + std::to_string(i) + "\"><KeyVal Key=\"Type\">" +
                std::to_string(i) + "</KeyVal></Section><KeyVal Key=\"k" + std::to_string(i % 7) +
                "\">" + std::to_string(i) + "</KeyVal>";
    body += "<Section label=\"Pawn5\"><KeyVal Key=\"Late\">late</KeyVal></Section></Section>";
    auto store = OpenRoot(body);
    int32_t type = 0;
    for (int i = 1; i <= 200; ++i) {
        std::string path = "Level1\\Pawn" + std::to_string(i);
        ASSERT_TRUE(store->GetInt(path.c_str(), "Type", &type));
        EXPECT_EQ(type, i);
    }
    EXPECT_EQ(Read(*store, "Level1", "k3"), "3");
    EXPECT_EQ(Read(*store, "Level1", "k0"), "7");
    EXPECT_EQ(Read(*store, "Level1\\Pawn5", "Late"), "late");
    EXPECT_EQ(Read(*store, "Level1\\Pawn201", "Type"), std::nullopt);
}

TEST_F(XmlContextTest, OnlyASectionLabelledRootIsTheRoot) {
    const std::string inner =
        "<KeyVal Key=\"a\">1</KeyVal><Section label=\"Root\">"
        "<KeyVal Key=\"a\">2</KeyVal></Section>";
    for (std::string root : {"<Section label=\"root\">", "<Sectio label=\"Root\">", "<Section>",
                             "<Section Label=\"Root\">", "<KeyVal label=\"Root\">"}) {
        std::string close = "</" + root.substr(1, root.find_first_of(" >") - 1) + ">";
        auto store = Open(root + inner + close);
        EXPECT_EQ(Read(*store, "*", "a"), std::nullopt) << root;
        EXPECT_EQ(Read(*store, "Root", "a"), std::nullopt) << root;
    }
}

TEST_F(XmlContextTest, MissingOrBrokenFilesAreEmpty) {
    const std::string good = RootDocument("<KeyVal Key=\"a\">1</KeyVal>");
    XmlContext missing("absent.xml");
    EXPECT_EQ(Read(missing, "*", "a"), std::nullopt);
    for (std::string bytes : {std::string(""), good.substr(0, good.size() - 3),
                              RootDocument("<KeyVal Key=\"a\">1</KeyVal><Broken>"), good + good,
                              good + "<", "\xff\xfe\x00garbage" + good}) {
        auto store = Open(bytes);
        EXPECT_EQ(Read(*store, "*", "a"), std::nullopt) << bytes;
    }
    EXPECT_EQ(Read(*Open(good), "*", "a"), "1");
}

TEST_F(XmlContextTest, QuotesInLabelsOrKeysFindNothing) {
    auto store = OpenRoot(
        "<Section label=\"A\"><KeyVal Key=\"k\">in A</KeyVal></Section>"
        "<Section label=\"B\"><KeyVal Key=\"k\">in B</KeyVal></Section>"
        "<Section label='q\"uote'><KeyVal Key='k\"'>quoted</KeyVal></Section>");
    EXPECT_EQ(Read(*store, "A\"]/Section[@label=\"B", "k"), std::nullopt);
    EXPECT_EQ(Read(*store, "A", "k\"] | //KeyVal[@Key=\"k"), std::nullopt);
    EXPECT_EQ(Read(*store, "q\"uote", "k\""), std::nullopt);
    EXPECT_EQ(Read(*store, "\"", "k"), std::nullopt);
    EXPECT_EQ(Read(*store, "A", "k"), "in A");
}

TEST_F(XmlContextTest, IntegersWrapAndStopAtTheFirstNonDigit) {
    const std::pair<const char*, int32_t> cases[] = {
        {"4294967295", -1},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"  \t\n-7", -7},
        {"+5", 5},
        {"-", 0},
        {"2147483648", INT32_MIN},
        {"-2147483648", INT32_MIN},
        {"99999999999", 1215752191},
        {"-4294967297", -1},
        {"3.9", 3},
        {"0x1F", 0},
        {"- 4", 0},
    };
    for (const auto& [text, expected] : cases) {
        auto store = OpenRoot(std::string("<KeyVal Key=\"v\">") + text + "</KeyVal>");
        int32_t value = 12345;
        EXPECT_TRUE(store->GetInt("*", "v", &value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
}

TEST_F(XmlContextTest, DoublesReadTheLeadingDecimalNumber) {
    const std::pair<const char*, double> cases[] = {
        {"0.500000000", 0.5}, {"-20", -20.0}, {"  1e3xyz", 1000.0}, {"abc", 0.0},
        {".5", 0.5},          {"5.", 5.0},    {"1e", 1.0},          {"2.5E-1", 0.25},
        {"0x10", 0.0},        {"inf", 0.0},   {"nan", 0.0},         {"-.", 0.0},
    };
    for (const auto& [text, expected] : cases) {
        auto store = OpenRoot(std::string("<KeyVal Key=\"v\">") + text + "</KeyVal>");
        double value = 99.0;
        EXPECT_TRUE(store->GetDouble("*", "v", &value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
}

TEST_F(XmlContextTest, NumbersAreReadFromTheFirst63Characters) {
    auto store = OpenRoot("<KeyVal Key=\"i\">" + std::string(62, ' ') + "12</KeyVal>" +
                          "<KeyVal Key=\"d\">" + std::string(61, ' ') + "12.5</KeyVal>" +
                          "<KeyVal Key=\"big\">1" + std::string(100, '0') + "</KeyVal>");
    int32_t number = 0;
    double real = 0;
    ASSERT_TRUE(store->GetInt("*", "i", &number));
    EXPECT_EQ(number, 1);
    ASSERT_TRUE(store->GetDouble("*", "d", &real));
    EXPECT_EQ(real, 12.0);
    ASSERT_TRUE(store->GetDouble("*", "big", &real));
    EXPECT_EQ(real, 1e62);
}

TEST_F(XmlContextTest, StringsAreCutToTheCallersBuffer) {
    auto store = OpenRoot(
        "<KeyVal Key=\"s\">abcdef</KeyVal><KeyVal Key=\"u\">a\xC3\xA9z</KeyVal>"
        "<KeyVal Key=\"mixed\">a<![CDATA[<b>]]>&amp;<i>c</i>d<!-- x --></KeyVal>");
    char text[8];
    ASSERT_TRUE(store->GetString("*", "s", text, 4));
    EXPECT_STREQ(text, "abc");
    ASSERT_TRUE(store->GetString("*", "s", text, 1));
    EXPECT_STREQ(text, "");
    ASSERT_TRUE(store->GetString("*", "u", text, 3));
    EXPECT_STREQ(text, "a");  // a character is never split
    ASSERT_TRUE(store->GetString("*", "u", text, 4));
    EXPECT_STREQ(text, "a\xC3\xA9");
    EXPECT_EQ(Read(*store, "*", "mixed"), "a<b>&cd");
    EXPECT_TRUE(store->GetString("*", "s", nullptr, 0));
}

TEST_F(XmlContextTest, OtherEncodingsReadAsUtf8) {
    std::string utf16 = "\xFF\xFE";
    for (char c : RootDocument("<KeyVal Key=\"k\">\xE9t\xE9</KeyVal>")) {
        utf16 += c;  // Latin-1 text widened to UTF-16 little endian
        utf16 += '\0';
    }
    EXPECT_EQ(Read(*Open(utf16), "*", "k"), "\xC3\xA9t\xC3\xA9");
    auto latin1 = Open("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" +
                       RootDocument("<KeyVal Key=\"k\">\xE9t\xE9</KeyVal>"));
    EXPECT_EQ(Read(*latin1, "*", "k"), "\xC3\xA9t\xC3\xA9");
}

TEST_F(XmlContextTest, DeepNestingAndHugeTextAreSafe) {
    const int depth = 200000;
    std::string deep;
    for (int i = 0; i < depth; ++i)
        deep += "<Section label=\"d\">";
    deep += "<KeyVal Key=\"k\">bottom</KeyVal>";
    for (int i = 0; i < depth; ++i)
        deep += "</Section>";
    auto nested = OpenRoot("<KeyVal Key=\"all\">" + deep + "</KeyVal>" + deep);
    EXPECT_EQ(Read(*nested, "*", "all"), "bottom");
    EXPECT_EQ(Read(*nested, "d\\d\\d", "k"), std::nullopt);
    std::string path = "d";
    for (int i = 1; i < depth; ++i)
        path += "\\d";
    EXPECT_EQ(Read(*nested, path.c_str(), "k"), std::nullopt);  // far longer than an expression

    auto huge = OpenRoot("<KeyVal Key=\"h\">7" + std::string(20 << 20, '1') + "</KeyVal>");
    int32_t number = 0;
    ASSERT_TRUE(huge->GetInt("*", "h", &number));
    EXPECT_EQ(Read(*huge, "*", "h")->size(), 511u);
}

TEST_F(XmlContextTest, PathIsTheDataFolderPlusTheName) {
    XmlContext levels("levels.xml");
    EXPECT_STREQ(levels.FilePath(), "./gamedata\\levels.xml");
    std::string longName(2000, 'n');
    XmlContext cut(longName.c_str());
    EXPECT_EQ(std::strlen(cut.FilePath()), 511u);
    EXPECT_EQ(std::strncmp(cut.FilePath(), "./gamedata\\nnn", 14), 0);
}

}  // namespace
