#include "store/xmlcontext.h"

#include <cstring>
#include <exception>
#include <new>

#include "platform/sys_path.h"
#include "store/bounded_string.h"
#include "store/store_query.h"
#include "store/value_text.h"
#include "store/xml_io.h"
#include "store/xml_select.h"

namespace {

constexpr size_t kPathBufferCapacity = 1024;
constexpr size_t kNumberTextCapacity = 64;

}  // namespace

XmlContext::XmlContext(const char* fileName) : document_(new (std::nothrow) XmlDocument) {
    char path[kPathBufferCapacity];
    BoundedCopy(path, sizeof(path), "./gamedata\\");
    BoundedAppend(path, sizeof(path), fileName ? fileName : "");
    Load(path, false);
}

XmlContext::XmlContext(HostPath, const char* path) : document_(new (std::nothrow) XmlDocument) {
    Load(path, true);
}

std::unique_ptr<XmlContext> XmlContext::OpenHostFile(const std::string& path) {
    return std::unique_ptr<XmlContext>(new XmlContext(HostPath(), path.c_str()));
}

// Nothing a file holds may end the program: a failure reads as an empty store.
void XmlContext::Load(const char* path, bool hostPath) {
    BoundedCopy(filePath_, sizeof(filePath_), path);
    if (document_ == nullptr)
        return;  // without a document every read finds nothing
    try {
        if (hostPath)
            document_->LoadHostFile(path);
        else
            document_->Load(filePath_);
    } catch (const std::exception& failure) {
        document_.reset();
        Sys_ReportFileProblem(path, failure.what());
    }
}

XmlContext::~XmlContext() = default;

bool XmlContext::GetString(const char* section, const char* key, char* out, size_t capacity) {
    if (document_ == nullptr || section == nullptr || key == nullptr)
        return false;
    if (out == nullptr && capacity > 0)
        return false;
    StoreQuery query;
    BuildStoreQuery(section, key, &query);
    try {
        pugi::xml_node value = SelectValue(document_.get(), query);
        if (!value)
            return false;
        CopyXmlText(value, out, capacity);
        return true;
    } catch (const std::exception&) {  // only allocation failures in the lookup tables
        return false;
    }
}

bool XmlContext::GetInt(const char* section, const char* key, int32_t* out) {
    char text[kNumberTextCapacity];
    if (out == nullptr || !GetString(section, key, text, sizeof(text)))
        return false;
    *out = ParseWrappedInt(text);
    return true;
}

bool XmlContext::GetDouble(const char* section, const char* key, double* out) {
    char text[kNumberTextCapacity];
    if (out == nullptr || !GetString(section, key, text, sizeof(text)))
        return false;
    *out = ParseLeadingDouble(text);
    return true;
}
