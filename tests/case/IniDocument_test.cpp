#include "case/IniDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace vitalis {
namespace {

TEST(IniDocument, NamesIgnoreLetterCaseAndSpacesAndTheFirstKeyWins) {
    const IniDocument doc("[Patient Data]\r\n  Name = Ada Lovelace  \r\nNAME=second\r\n");
    ASSERT_TRUE(doc.Find("PATIENT DATA", "name").has_value());
    EXPECT_EQ(*doc.Find("patient data", "Name"), "Ada Lovelace");
    EXPECT_FALSE(doc.Find("Patient Data", "Age").has_value());
    EXPECT_FALSE(doc.Find("Other", "Name").has_value());
}

TEST(IniDocument, LfAndCrLfFilesReadAlikeAndAnEmptyValueIsAValue) {
    const IniDocument lf("[A]\nkey=1\nempty=\n");
    const IniDocument crlf("[A]\r\nkey=1\r\nempty=\r\n");
    EXPECT_EQ(*lf.Find("A", "key"), "1");
    EXPECT_EQ(*crlf.Find("A", "key"), "1");
    ASSERT_TRUE(crlf.Find("A", "empty").has_value());
    EXPECT_EQ(*crlf.Find("A", "empty"), "");
    EXPECT_EQ(lf.Serialize(), crlf.Serialize());
}

TEST(IniDocument, RewritingKeepsCommentsAndOnlyChangesWhatWasSet) {
    IniDocument doc("; written by hand\r\n[A]\r\n# note\r\nx=1\r\ny=2\r\n");
    doc.Set("a", "X", "10");
    EXPECT_EQ(doc.Serialize(), "; written by hand\r\n[A]\r\n# note\r\nx=10\r\ny=2\r\n");
}

TEST(IniDocument, NewKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEnd) {
    IniDocument doc("[A]\r\nx=1\r\n[B]\r\nz=3\r\n");
    doc.Set("A", "y", "2");
    doc.Set("C", "w", "4");
    EXPECT_EQ(doc.Serialize(), "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n[C]\r\nw=4\r\n");
    EXPECT_EQ(doc.SectionNames(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(doc.KeyNames("a"), (std::vector<std::string>{"x", "y"}));
}

TEST(IniDocument, RemovingKeysAndSections) {
    IniDocument doc("[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
    EXPECT_TRUE(doc.RemoveKey("A", "X"));
    EXPECT_FALSE(doc.RemoveKey("A", "x"));
    EXPECT_TRUE(doc.RemoveSection("b"));
    EXPECT_FALSE(doc.RemoveSection("B"));
    EXPECT_EQ(doc.Serialize(), "[A]\r\ny=2\r\n");
}

TEST(IniDocument, ManyKeysAreFoundThroughTheIndexAsBeforeIt) {
    IniDocument doc;
    std::vector<std::string> keys;
    std::vector<std::string> values;
    for (int k = 1; k <= 500; ++k) {
        keys.push_back("Key" + std::to_string(k));
        values.push_back(std::to_string(k * 7));
    }
    std::vector<IniDocument::KeyValue> entries;
    for (size_t i = 0; i < keys.size(); ++i) entries.push_back({keys[i], values[i]});
    doc.SetAll("TEST 1", entries);
    // Searched often enough for the index to be built, in a letter case not written.
    for (int k = 500; k >= 1; --k) {
        const auto value = doc.Find("test 1", "KEY" + std::to_string(k));
        ASSERT_TRUE(value.has_value()) << k;
        EXPECT_EQ(*value, std::to_string(k * 7));
    }
    doc.Set("TEST 1", "key250", "changed");
    EXPECT_EQ(*doc.Find("TEST 1", "Key250"), "changed");
    EXPECT_FALSE(doc.Find("TEST 1", "Key501").has_value());
}

TEST(IniDocument, LinesBeforeTheFirstSectionAreKeptButHoldNoKeys) {
    const IniDocument doc("loose=1\r\n[A]\r\nk=v\r\n");
    EXPECT_EQ(doc.Serialize(), "loose=1\r\n[A]\r\nk=v\r\n");
    EXPECT_EQ(*doc.Find("A", "k"), "v");
}

}  // namespace
}  // namespace vitalis
