#include "framework/headless/XmlParse.h"

#include "framework/Utf8.h"
#include "framework/headless/SilentXmlErrors.h"
#include "framework/headless/TextEncoding.h"

#include <libxml/parser.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace headless::detail {

namespace {

struct ParserContextDeleter {
    void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    // A folder in the file's place opens, but reading it fails with an exception of the stream.
    try {
        std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (file.bad()) {
            return std::nullopt;
        }
        return bytes;
    } catch (const std::ios_base::failure&) {
        return std::nullopt;
    }
}

// A DOCTYPE ends the parse on the spot, before anything it declares or names is read.
void RefuseDoctype(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
    auto* parser = static_cast<xmlParserCtxt*>(context);
    parser->wellFormed = 0;
    xmlStopParser(parser);
}

bool IsXmlWhiteSpace(const xmlChar* text) {
    for (; text != nullptr && *text != 0; ++text) {
        if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n') {
            return false;
        }
    }
    return true;
}

// Drops the text nodes of white space only, except where xml:space asks to keep them.
void DropWhiteSpaceText(xmlNode* root) {
    std::vector<xmlNode*> pending{root};
    while (!pending.empty()) {
        xmlNode* parent = pending.back();
        pending.pop_back();
        for (xmlNode* child = parent->children; child != nullptr;) {
            xmlNode* next = child->next;
            if (child->type == XML_ELEMENT_NODE) {
                pending.push_back(child);
            } else if (child->type == XML_TEXT_NODE && IsXmlWhiteSpace(child->content) &&
                       xmlNodeGetSpacePreserve(parent) != 1) {
                xmlUnlinkNode(child);
                xmlFreeNode(child);
            }
            child = next;
        }
    }
}

} // namespace

std::shared_ptr<xmlDoc> ParseXmlFile(const std::string& path) {
    xmlInitParser();
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        return nullptr;
    }
    const char* encoding = nullptr;
    if (AfxIsAnsiDocument(*bytes)) {
        bytes = AnsiToUtf8(*bytes);
        encoding = "UTF-8";
    }
    const SilentXmlErrors silence;
    const std::unique_ptr<xmlParserCtxt, ParserContextDeleter> parser(xmlNewParserCtxt());
    if (!parser) {
        return nullptr;
    }
    parser->sax->internalSubset = RefuseDoctype;
    xmlDoc* document =
        xmlCtxtReadMemory(parser.get(), bytes->data(), static_cast<int>(bytes->size()), nullptr,
                          encoding, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (document == nullptr) {
        return nullptr;
    }
    std::shared_ptr<xmlDoc> owned(document, xmlFreeDoc);
    DropWhiteSpaceText(reinterpret_cast<xmlNode*>(document));
    return owned;
}

} // namespace headless::detail
