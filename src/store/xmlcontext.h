#pragma once
// A small registry-like store kept in an XML file of the data folder: nested
// <Section label="..."> elements holding <KeyVal Key="...">text</KeyVal>
// values, under a root <Section label="Root">. A store is opened for one
// task, read, and destroyed; nothing is ever written back.
//
// A section is named by a backslash-separated path of labels ("Level3\Pawn2");
// "" and "*" name the root, '*' inside a path is dropped, and an empty label
// finds nothing. Reads that find nothing return false and leave the output
// untouched. A label or key holding a double quote finds nothing. Text is UTF-8.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class XmlDocument;

class XmlContext {
  public:
    // Loads "./gamedata\" + fileName. A missing or malformed file is an empty store.
    explicit XmlContext(const char* fileName);
    // Loads a file named by a host path, wherever it is (the level tool's own files).
    static std::unique_ptr<XmlContext> OpenHostFile(const std::string& path);
    ~XmlContext();
    XmlContext(const XmlContext&) = delete;
    XmlContext& operator=(const XmlContext&) = delete;

    // Copies the value's text into out, cut to capacity - 1 bytes (never inside a
    // UTF-8 character) and terminated.
    bool GetString(const char* section, const char* key, char* out, size_t capacity);
    // The typed reads look at the first 63 characters of the value.
    // Leading blanks, optional sign, decimal digits; wraps modulo 2^32; no digits give 0.
    bool GetInt(const char* section, const char* key, int32_t* out);
    // The leading decimal number of the text as a double; no number gives 0.
    bool GetDouble(const char* section, const char* key, double* out);

    // The data-spelled path the store was loaded from, cut to 511 characters.
    const char* FilePath() const { return filePath_; }

  private:
    static constexpr size_t kFilePathCapacity = 512;
    struct HostPath {};
    XmlContext(HostPath, const char* path);
    void Load(const char* path, bool hostPath);

    std::unique_ptr<XmlDocument> document_;  // null only when it could not be created
    char filePath_[kFilePathCapacity];
};
