#pragma once
// Document access beneath the store: one XML data file, parsed once and only
// read. A file that is missing, unreadable or not well-formed is an empty
// document, on which every lookup finds nothing.

#include <pugixml.hpp>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "store/xml_child_index.h"

class XmlDocument {
  public:
    // Reads and parses the file at a data-spelled path ("./gamedata\levels.xml").
    // What makes the file unusable is told on standard error, naming the file.
    void Load(const char* dataPath);
    // The same for a file a person named (the level tool), wherever it is.
    void LoadHostFile(const char* hostPath);

    // The document element when it is <Section label="Root">, else null.
    pugi::xml_node RootSection() const;

    // Appends to out the <Section> children of parent labelled label, in document order.
    void AppendSections(pugi::xml_node parent, std::string_view label,
                        std::vector<pugi::xml_node>* out);

    // The first <KeyVal> child of parent whose Key is key, or null.
    pugi::xml_node FindValue(pugi::xml_node parent, std::string_view key);

  private:
    using FileReader = bool (*)(const std::string&, size_t, std::vector<char>*, std::string*);
    void Read(const char* path, FileReader reader);
    void Parse(const char* path, const std::vector<char>& bytes);

    pugi::xml_document document_;
    XmlChildIndexCache index_;
};

// Copies the text content of node (all its text, in document order) into out,
// cut to capacity - 1 bytes without splitting a UTF-8 character, and terminated.
void CopyXmlText(pugi::xml_node node, char* out, size_t capacity);
